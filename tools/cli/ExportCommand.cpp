// tintonia-cli export: writes a favourites file as a palette for another program.
#include "CliCommand.h"

#include "FavoritesDocument.h"
#include "PaletteExport.h"
#include "ProgramReportSource.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const char kUsage[] =
    "export FAVOURITES.fsp OUT.EXT [--selected i,j,...]   write a palette (.aco .PspPalette .txt .cpl .ai .cpi);"
    " --selected takes row numbers from 1, the first leading";

// SetUp/ beside the program.
std::string SetupFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("SetUp") : (self.parent_path() / "SetUp").string();
}

// "3,1,7" → rows 2, 0, 6; false on anything else.
bool ParseRows(const char* text, std::vector<int>& rows)
{
    std::string list = text;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos || item.size() > 6)
            return false;
        rows.push_back(std::stoi(item) - 1);
        start = comma + 1;
    }
    return !rows.empty();
}

int RunExport(int argc, char** argv)
{
    std::vector<std::string> files;
    std::vector<int> rows;
    bool selected = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--selected") == 0 && i + 1 < argc) {
            selected = true;
            if (!ParseRows(argv[++i], rows)) {
                std::fprintf(stderr, "export: --selected wants row numbers like 1,3,4, not '%s'\n", argv[i]);
                return 2;
            }
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::fprintf(stderr, "export: unknown option '%s'\nusage: tintonia-cli %s\n", argv[i], kUsage);
            return 2;
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.size() != 2) {
        std::fprintf(stderr, "usage: tintonia-cli %s\n", kUsage);
        return 2;
    }
    const std::string& out = files[1];
    if (!PaletteExport::FormatOf(out)) {
        std::fprintf(stderr, "export: %s: the extension must be one of .aco .PspPalette .txt .cpl .ai .cpi\n",
                     out.c_str());
        return 2;
    }

    FavoritesDocument favourites;
    if (FileResult r = favourites.Open(files[0]); !r) {
        std::fprintf(stderr, "export: %s\n", r.error.c_str());
        return 1;
    }
    FavoriteList& list = favourites.List();
    std::vector<FavoriteScheme> schemes = list.ExportAll();
    if (selected) {
        for (int row : rows)
            if (row < 0 || row >= list.Count()) {
                std::fprintf(stderr, "export: row %d is not in %s (it holds %d schemes)\n", row + 1,
                             files[0].c_str(), list.Count());
                return 1;
            }
        list.Click(rows.front());
        list.SetModifier(FavoriteList::Modifier::Add);
        for (std::size_t i = 1; i < rows.size(); ++i)
            list.Click(rows[i]);
        schemes = list.ExportSelection();
    }

    PaletteExport::Context context;
    context.now = PaletteExport::LocalNow();
    context.favoritesPath = favourites.Path();
    std::unique_ptr<ReportColorSource> report;
    if (PaletteExport::FormatOf(out) == PaletteExport::Format::Report) {
        std::string note;
        report = MakeProgramReportSource(SetupFolder(), &note);
        if (!note.empty())
            std::fprintf(stderr, "export: %s\n", note.c_str());
        context.report = report.get();
    }
    if (FileResult r = PaletteExport::Export(out, schemes, context); !r) {
        std::fprintf(stderr, "export: %s\n", r.error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

TINTONIA_CLI_COMMAND(Export, "export", kUsage, RunExport);
