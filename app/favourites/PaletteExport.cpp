#include "PaletteExport.h"

#include "PaletteWriters.h"

#include <strings.h>

namespace PaletteExport {

const std::array<Filter, 6> kFilters{{
    {Format::Aco, "Photoshop Palette (*.aco)", "*.aco", "aco"},
    {Format::PspPalette, "PaintShopPro Palette (*.PspPalette)", "*.PspPalette", "PspPalette"},
    {Format::PainterTxt, "Painter Palette (*.txt)", "*.txt", "txt"},
    {Format::Cpl, "CorelDRAW Palette (*.cpl)", "*.cpl", "cpl"},
    {Format::Illustrator, "Ilustrator Palette (*.ai)", "*.ai", "ai"},
    {Format::Report, "Consona Palette Info (*.cpi)", "*.cpi", "cpi"},
}};

namespace {

std::size_t FileNameStart(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// Position of the dot that starts the extension, or npos.
std::size_t ExtensionDot(const std::string& path)
{
    const std::size_t start = FileNameStart(path);
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= start)
        return std::string::npos;
    return dot;
}

} // namespace

std::optional<Format> FormatOf(const std::string& path)
{
    const std::size_t dot = ExtensionDot(path);
    if (dot == std::string::npos)
        return std::nullopt;
    const std::string extension = path.substr(dot + 1);
    for (const Filter& filter : kFilters)
        if (::strcasecmp(extension.c_str(), filter.extension) == 0)
            return filter.format;
    return std::nullopt;
}

std::string ExportFileName(const std::string& typed, Format format)
{
    const std::size_t dot = ExtensionDot(typed);
    std::string base = dot == std::string::npos ? typed : typed.substr(0, dot);
    for (const Filter& filter : kFilters)
        if (filter.format == format)
            return base + "." + filter.extension;
    return base;
}

FileResult Render(const std::string& path, const std::vector<FavoriteScheme>& schemes,
                  const Context& context, std::string& bytes)
{
    const std::optional<Format> format = FormatOf(path);
    if (!format)
        return FileResult::Failure(path + ": not a palette extension (aco, PspPalette, txt, cpl, ai, cpi)");
    switch (*format) {
    case Format::Aco:
        // The swatch count is a 16-bit field.
        if (schemes.size() > 0xFFFF / 16)
            return FileResult::Failure("too many schemes for a Photoshop palette: "
                                       + std::to_string(schemes.size()));
        bytes = PaletteWriters::Aco(schemes);
        break;
    case Format::PspPalette: bytes = PaletteWriters::PspPalette(schemes); break;
    case Format::PainterTxt: bytes = PaletteWriters::PainterTxt(schemes); break;
    case Format::Cpl: bytes = PaletteWriters::Cpl(schemes, path); break;
    case Format::Illustrator: bytes = PaletteWriters::Illustrator(schemes, path, context.now); break;
    case Format::Report:
        if (!context.report)
            return FileResult::Failure("the palette report needs the colour tables and monitor settings");
        bytes = PaletteReport(schemes, context.favoritesPath, *context.report);
        break;
    }
    return FileResult::Success();
}

FileResult Export(const std::string& path, const std::vector<FavoriteScheme>& schemes,
                  const Context& context)
{
    std::string bytes;
    if (FileResult r = Render(path, schemes, context, bytes); !r)
        return r;
    return SaveFileSafely(path, bytes);
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace PaletteExport
