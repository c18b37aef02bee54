#pragma once
#include "FavoriteScheme.h"
#include "PaletteReport.h"
#include "SafeFile.h"

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Choosing a palette format and writing it: the export dialog's filter list,
// the name the typed file gets, and the export itself, which picks the writer
// by the file's extension and saves safely.
namespace PaletteExport {

enum class Format { Aco, PspPalette, PainterTxt, Cpl, Illustrator, Report };

struct Filter {
    Format format;
    const char* description;
    const char* pattern;
    const char* extension;  // without the dot
};

// In the order the export dialog lists them.
extern const std::array<Filter, 6> kFilters;

// The format for a path's extension (compared without regard to case), or none.
std::optional<Format> FormatOf(const std::string& path);

// The typed name with its extension replaced by the format's: only a dot inside
// the file name counts, and not one at its start (".palette" stays).
std::string ExportFileName(const std::string& typed, Format format);

// What the writers need besides the schemes.
struct Context {
    std::tm now{};                         // local time for the Illustrator date line
    std::string favoritesPath = "noname";  // named at the top of the report
    const ReportColorSource* report = nullptr;
};

// The bytes of `path`'s format, or a reason why there are none.
FileResult Render(const std::string& path, const std::vector<FavoriteScheme>& schemes,
                  const Context& context, std::string& bytes);

// Renders and saves; the old file survives any failure.
FileResult Export(const std::string& path, const std::vector<FavoriteScheme>& schemes,
                  const Context& context);

// The local time now, for Context::now.
std::tm LocalNow();

} // namespace PaletteExport
