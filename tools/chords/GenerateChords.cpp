// Builds the chord setup data from the readable chord list:
//   Consona.csd        every chord of the list, grouped by note count 2..7
//   Chord.csd          the chords marked "piano", note counts 3..7
//   UI_ChordIcon.ini   section CHORD: Number and one rectangle per chord of Consona.csd
//   ConsonaChord.ppm   the icon sheet those rectangles cut from (binary P6, pure
//                      blue is transparent)
//
// usage: tna-gen-chords LIST SETUP_DIR SHEET_PPM

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kIcon = 22;      // icon size in pixels
constexpr int kCell = 24;      // sheet cell: the icon and a 2-pixel gutter
constexpr int kMaxPerCount = 29;

struct Chord {
    std::string name;
    std::vector<int> semitones;
    bool piano = false;
    int line = 0;
};

[[noreturn]] void Fail(const std::string& what)
{
    std::cerr << "tna-gen-chords: " << what << "\n";
    std::exit(1);
}

std::map<int, std::vector<Chord>> ReadList(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        Fail("cannot open " + path);
    std::map<int, std::vector<Chord>> groups;
    std::set<std::string> names;
    int current = 0;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const std::string where = path + ":" + std::to_string(line) + ": ";
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        if (text[0] == '[') {
            current = std::atoi(text.c_str() + 1);
            if (current < 2 || current > 7 || current <= (groups.empty() ? 1 : groups.rbegin()->first))
                Fail(where + "groups must run from 2 to 7 notes in ascending order");
            groups[current];
            continue;
        }
        if (current == 0)
            Fail(where + "chord before the first group");
        std::istringstream fields(text);
        Chord chord;
        chord.line = line;
        fields >> chord.name;
        std::string field;
        while (fields >> field) {
            if (field == "piano") {
                chord.piano = true;
            } else {
                if (chord.piano)
                    Fail(where + "\"piano\" must come last");
                size_t used = 0;
                const int s = std::stoi(field, &used);
                if (used != field.size())
                    Fail(where + "not a semitone count: " + field);
                chord.semitones.push_back(s);
            }
        }
        if (chord.name.empty() || chord.name.size() > 63 || chord.name.find('-') != std::string::npos)
            Fail(where + "a name has 1 to 63 characters and no \"-\"");
        if (!names.insert(chord.name).second)
            Fail(where + "name used twice: " + chord.name);
        if (static_cast<int>(chord.semitones.size()) != current)
            Fail(where + chord.name + " has " + std::to_string(chord.semitones.size()) + " notes in the group of " +
                 std::to_string(current));
        for (size_t i = 0; i < chord.semitones.size(); ++i) {
            const int s = chord.semitones[i];
            if (s < 0 || s > 23 || (i > 0 && s <= chord.semitones[i - 1]))
                Fail(where + chord.name + ": semitones must ascend within 0..23");
        }
        if (chord.piano && current < 3)
            Fail(where + "the piano recognises chords of 3 to 7 notes only");
        groups[current].push_back(chord);
        if (groups[current].size() > kMaxPerCount)
            Fail(where + "more than 29 chords of " + std::to_string(current) + " notes");
    }
    for (int n = 2; n <= 7; ++n)
        if (groups[n].empty())
            Fail(path + ": no chords of " + std::to_string(n) + " notes");
    return groups;
}

// File value of a note: hue offset (30 degrees a semitone), plus 1 in the upper octave.
int32_t NoteValue(int semitone)
{
    return (semitone % 12) * 30 + (semitone >= 12 ? 1 : 0);
}

void WriteChordFile(const std::string& path, const std::map<int, std::vector<Chord>>& groups, bool pianoOnly)
{
    std::string bytes;
    for (const auto& [count, chords] : groups) {
        std::vector<const Chord*> chosen;
        for (const Chord& c : chords)
            if (!pianoOnly || c.piano)
                chosen.push_back(&c);
        if (chosen.empty())
            continue;
        bytes += static_cast<char>(count);
        bytes += static_cast<char>(chosen.size());
        for (const Chord* c : chosen) {
            std::string name = c->name;
            name.resize(128, '\0');
            bytes += name;
            for (int s : c->semitones) {
                const uint32_t v = static_cast<uint32_t>(NoteValue(s));
                for (int b = 0; b < 4; ++b)
                    bytes += static_cast<char>(v >> (8 * b));
            }
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        Fail("cannot write " + path);
}

struct Rgb {
    uint8_t r, g, b;
};

class Sheet {
public:
    Sheet(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w * h), Rgb{0, 0, 255}) {}
    void Set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[static_cast<size_t>(y * width + x)] = c;
    }
    void Line(int x0, int y0, int x1, int y1, Rgb c)
    {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Set(x0, y0, c);
            if (x0 == x1 && y0 == y1)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }
    // Pixels whose centre lies within [inner, outer] of (cx, cy).
    void Ring(double cx, double cy, double inner, double outer, Rgb c)
    {
        for (int y = static_cast<int>(cy - outer - 1); y <= cy + outer + 1; ++y)
            for (int x = static_cast<int>(cx - outer - 1); x <= cx + outer + 1; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d >= inner && d <= outer)
                    Set(x, y, c);
            }
    }
    void Write(const std::string& path) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << "P6\n" << width << " " << height << "\n255\n";
        for (const Rgb& p : pixels)
            out.put(static_cast<char>(p.r)).put(static_cast<char>(p.g)).put(static_cast<char>(p.b));
        if (!out)
            Fail("cannot write " + path);
    }

private:
    int width, height;
    std::vector<Rgb> pixels;
};

// A chord icon is its shape on the note circle: twelve faint ticks for the
// twelve notes (C at the top, clockwise), the notes joined in order, a filled
// dot for each note of the lower octave and a ring for each note above it.
void DrawIcon(Sheet& sheet, int left, int top, const Chord& chord)
{
    const Rgb tick{170, 170, 170}, ink{40, 40, 48}, light{250, 250, 250};
    const double cx = left + kIcon / 2.0, cy = top + kIcon / 2.0, radius = 8.0;
    auto at = [&](int semitone, double r) {
        const double a = (semitone % 12) * M_PI / 6;
        return std::pair<double, double>{cx + r * std::sin(a), cy - r * std::cos(a)};
    };
    for (int s = 0; s < 12; ++s) {
        const auto [x, y] = at(s, radius + 2);
        sheet.Set(static_cast<int>(x), static_cast<int>(y), tick);
    }
    const size_t n = chord.semitones.size();
    for (size_t i = 0; i < n; ++i) {
        const auto [x0, y0] = at(chord.semitones[i], radius);
        const auto [x1, y1] = at(chord.semitones[(i + 1) % n], radius);
        sheet.Line(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1), ink);
    }
    for (int s : chord.semitones) {
        const auto [x, y] = at(s, radius);
        if (s < 12) {
            sheet.Ring(x, y, 0, 2.2, ink);
        } else {
            sheet.Ring(x, y, 0, 3.3, light);
            sheet.Ring(x, y, 2.2, 3.3, ink);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tna-gen-chords LIST SETUP_DIR SHEET_PPM\n";
        return 2;
    }
    const auto groups = ReadList(argv[1]);
    const std::string setup = argv[2];
    WriteChordFile(setup + "/Consona.csd", groups, false);
    WriteChordFile(setup + "/Chord.csd", groups, true);

    Sheet sheet(kMaxPerCount * kCell, 6 * kCell);
    std::ostringstream ini;
    ini << "// Chord icons: one rectangle (left, top, right, bottom) of the sheet\r\n"
        << "// \"ConsonaChord\" in Image1.cif per chord of Consona.csd, in file order.\r\n"
        << "[CHORD]\r\n";
    int k = 0;
    std::ostringstream keys;
    for (const auto& [count, chords] : groups) {
        const int row = count - 2;
        for (size_t i = 0; i < chords.size(); ++i, ++k) {
            const int left = static_cast<int>(i) * kCell, top = row * kCell;
            DrawIcon(sheet, left, top, chords[i]);
            keys << "CHORD_" << k << " = (" << left << ", " << top << ", " << left + kIcon << ", " << top + kIcon
                 << ")\r\n";
        }
    }
    ini << "Number = " << k << "\r\n" << keys.str();
    std::ofstream iniFile(setup + "/UI_ChordIcon.ini", std::ios::binary | std::ios::trunc);
    iniFile << ini.str();
    if (!iniFile)
        Fail("cannot write UI_ChordIcon.ini");
    sheet.Write(argv[3]);
    return 0;
}
