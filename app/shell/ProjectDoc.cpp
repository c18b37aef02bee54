#include "ProjectDoc.h"

#include "ByteIo.h"

namespace ProjectFile {

namespace {

// 100 items of 13 bytes per frame and a few thousand frames make a few
// megabytes; anything this large is not a project.
constexpr std::size_t kMaxFileBytes = 256u << 20;

std::string Checked(const std::string& field, int value, int low, int high)
{
    if (value >= low && value <= high)
        return {};
    return field + " " + std::to_string(value) + " outside " + std::to_string(low) + ".."
           + std::to_string(high);
}

// Counts and indices packed in the words, checked before anything uses them.
std::string CheckWords(const CProjectDoc& d)
{
    for (const std::string& problem : {
             Checked("selected scheme colour", CProjectDoc::Byte(d.mainContrastWord, 1), 0, 6),
             Checked("chord note count", CProjectDoc::Byte(d.chordWord, 0), 0, 7),
             Checked("chord index", CProjectDoc::Byte(d.chordWord, 1), 0, 100),
             Checked("colour circle mode", CProjectDoc::Byte(d.chordWord, 2), 0, 1),
             Checked("music colour count position", d.musicWord2 & 0x0F, 0, 5),
             Checked("music level position", (d.musicWord2 >> 4) & 0x0F, 0, 4),
             Checked("edit colour count", CProjectDoc::Byte(d.editWord, 1), 0, 7),
         })
        if (!problem.empty())
            return problem;
    return {};
}

} // namespace

std::string Encode(const CProjectDoc& d)
{
    ByteWriter out;
    out.I32(d.mainModeWord);
    out.I32(d.mainContrastWord);
    out.Text(d.favoritesPath, CProjectDoc::kPathField);
    for (int i = 0; i < 7; ++i) {
        out.U32(d.contrastBase[i]);
        out.U32(d.contrastShown[i]);
        out.F64(d.saturationFactors[i]);
    }
    out.I32(d.chordWord);
    out.Text(d.chordName, CProjectDoc::kNameField);
    for (int i = 0; i < 7; ++i) {
        out.I32(d.chordHues[i]);
        out.U32(d.chordColors[i]);
        out.U32(d.chordOctaveColors[i]);
    }
    out.I32(d.musicWord1);
    out.I32(d.musicWord2);
    out.I32(d.musicPosition);
    out.I32(d.historyPosition);
    out.I32(static_cast<int32_t>(d.history.size()));
    out.Text(d.musicPath, CProjectDoc::kPathField);
    for (int i = 0; i < 7; ++i) {
        out.U32(d.musicColors[i]);
        out.U32(d.musicOctaveColors[i]);
    }
    out.I32(d.editWord);
    out.U32(d.editCurrent);
    out.U32(d.editStart);
    for (uint32_t c : d.editColors)
        out.U32(c);
    for (const HistoryFrame& frame : d.history) {
        // A frame never holds more than 100 items; more would make the file unreadable.
        const std::size_t n = frame.size() < CProjectDoc::kMaxFrameItems ? frame.size()
                                                                         : CProjectDoc::kMaxFrameItems;
        out.I32(static_cast<int32_t>(n));
        for (std::size_t k = 0; k < n; ++k) {
            out.F32(frame[k].amplitude);
            out.F32(frame[k].frequency);
            out.U8(frame[k].red);
            out.U8(frame[k].green);
            out.U8(frame[k].blue);
            out.U8(0);
            out.U8(0);
        }
    }
    return std::move(out.Data());
}

FileResult Decode(std::string_view bytes, CProjectDoc& doc)
{
    if (bytes.size() < CProjectDoc::kFixedBytes)
        return FileResult::Failure("project file too short: " + std::to_string(bytes.size())
                                   + " bytes, at least 2500 expected");
    ByteReader in(bytes);
    CProjectDoc d;
    d.mainModeWord = in.I32();
    d.mainContrastWord = in.I32();
    d.favoritesPath = in.Text(CProjectDoc::kPathField);
    for (int i = 0; i < 7; ++i) {
        d.contrastBase[i] = in.U32();
        d.contrastShown[i] = in.U32();
        d.saturationFactors[i] = in.F64();
    }
    d.chordWord = in.I32();
    d.chordName = in.Text(CProjectDoc::kNameField);
    for (int i = 0; i < 7; ++i) {
        d.chordHues[i] = in.I32();
        d.chordColors[i] = in.U32();
        d.chordOctaveColors[i] = in.U32();
    }
    d.musicWord1 = in.I32();
    d.musicWord2 = in.I32();
    d.musicPosition = in.I32();
    d.historyPosition = in.I32();
    d.historyFrameCount = in.I32();
    d.musicPath = in.Text(CProjectDoc::kPathField);
    for (int i = 0; i < 7; ++i) {
        d.musicColors[i] = in.U32();
        d.musicOctaveColors[i] = in.U32();
    }
    d.editWord = in.I32();
    d.editCurrent = in.U32();
    d.editStart = in.U32();
    for (uint32_t& c : d.editColors)
        c = in.U32();

    if (std::string problem = CheckWords(d); !problem.empty())
        return FileResult::Failure("project file: " + problem);

    // Every frame takes at least its 4-byte count.
    if (d.historyFrameCount < 0 || static_cast<std::size_t>(d.historyFrameCount) > in.Remaining() / 4)
        return FileResult::Failure("project file says it holds " + std::to_string(d.historyFrameCount)
                                   + " history frames, but only " + std::to_string(in.Remaining())
                                   + " bytes follow the settings");
    d.history.reserve(static_cast<std::size_t>(d.historyFrameCount));
    for (int32_t f = 0; f < d.historyFrameCount; ++f) {
        const std::string where = "history frame " + std::to_string(f + 1) + " at offset "
                                  + std::to_string(in.Offset());
        if (!in.Has(4))
            return FileResult::Failure("project file ends before " + where);
        const int32_t n = in.I32();
        if (n < 0 || n > CProjectDoc::kMaxFrameItems)
            return FileResult::Failure("project file: " + where + " has " + std::to_string(n)
                                       + " items; a frame holds 0 to 100");
        if (!in.Has(static_cast<std::size_t>(n) * CProjectDoc::kItemBytes))
            return FileResult::Failure("project file ends inside " + where);
        HistoryFrame frame(static_cast<std::size_t>(n));
        for (HistoryItem& item : frame) {
            item.amplitude = in.F32();
            item.frequency = in.F32();
            item.red = in.U8();
            item.green = in.U8();
            item.blue = in.U8();
            in.Skip(2);
        }
        d.history.push_back(std::move(frame));
    }
    doc = std::move(d);
    return FileResult::Success();
}

FileResult Write(const CProjectDoc& doc, const std::string& path)
{
    return SaveFileSafely(path, Encode(doc));
}

FileResult Read(CProjectDoc& doc, const std::string& path)
{
    std::string bytes;
    if (FileResult r = LoadWholeFile(path, bytes, kMaxFileBytes); !r)
        return r;
    FileResult r = Decode(bytes, doc);
    if (!r)
        r.error = path + ": " + r.error;
    return r;
}

} // namespace ProjectFile

bool IsSame(const CProjectDoc& a, const CProjectDoc& b)
{
    return a.mainModeWord == b.mainModeWord && a.mainContrastWord == b.mainContrastWord
           && a.chordWord == b.chordWord && a.chordColors == b.chordColors
           && a.musicWord1 == b.musicWord1 && a.musicWord2 == b.musicWord2
           && a.musicColors == b.musicColors && a.historyFrameCount == b.historyFrameCount
           && a.editWord == b.editWord && a.editColors == b.editColors;
}
