#include "FspFile.h"

#include "ByteIo.h"

namespace FspFile {

namespace {
// Far beyond any real favourites file, small enough to read in one go.
constexpr std::size_t kMaxFileBytes = 64u << 20;
}

std::string Encode(const std::vector<FavoriteScheme>& schemes)
{
    ByteWriter out;
    out.I32(static_cast<int32_t>(schemes.size()));
    for (const FavoriteScheme& s : schemes) {
        out.Text(FitName(s.name), kNameField);
        const int count = s.count < 0 ? 0 : (s.count > FavoriteScheme::kMaxColors ? FavoriteScheme::kMaxColors : s.count);
        out.I32(count);
        for (int i = 0; i < count; ++i)
            out.U32(s.colors[i] & 0xFFFFFFu);
    }
    return std::move(out.Data());
}

FileResult Decode(std::string_view bytes, std::vector<FavoriteScheme>& schemes)
{
    ByteReader in(bytes);
    if (!in.Has(4))
        return FileResult::Failure("favourites file too short: " + std::to_string(bytes.size())
                                   + " bytes, no scheme count");
    const int32_t n = in.I32();
    if (n < 0 || static_cast<std::size_t>(n) > in.Remaining() / kMinRecord)
        return FileResult::Failure("favourites file says it holds " + std::to_string(n)
                                   + " schemes, but its " + std::to_string(bytes.size())
                                   + " bytes cannot hold that many");
    std::vector<FavoriteScheme> read;
    read.reserve(static_cast<std::size_t>(n));
    for (int32_t k = 0; k < n; ++k) {
        const std::string where = "scheme " + std::to_string(k + 1) + " at offset "
                                  + std::to_string(in.Offset());
        if (!in.Has(kMinRecord))
            return FileResult::Failure("favourites file ends inside " + where);
        FavoriteScheme s;
        s.name = FitName(in.Text(kNameField));
        s.count = in.I32();
        if (s.count < 0 || s.count > FavoriteScheme::kMaxColors)
            return FileResult::Failure(where + " has " + std::to_string(s.count)
                                       + " colours; a scheme holds 0 to 7");
        if (!in.Has(4u * static_cast<std::size_t>(s.count)))
            return FileResult::Failure("favourites file ends inside the colours of " + where);
        for (int i = 0; i < s.count; ++i)
            s.colors[i] = in.U32() & 0xFFFFFFu;
        read.push_back(std::move(s));
    }
    schemes = std::move(read);
    return FileResult::Success();
}

FileResult Save(const std::string& path, const std::vector<FavoriteScheme>& schemes)
{
    return SaveFileSafely(path, Encode(schemes));
}

FileResult Load(const std::string& path, std::vector<FavoriteScheme>& schemes)
{
    std::string bytes;
    if (FileResult r = LoadWholeFile(path, bytes, kMaxFileBytes); !r)
        return r;
    FileResult r = Decode(bytes, schemes);
    if (!r)
        r.error = path + ": " + r.error;
    return r;
}

} // namespace FspFile
