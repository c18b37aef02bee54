#include "TestFiles.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path()
            / ("tna-documents-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

FavoriteScheme Scheme(const std::string& name, std::vector<uint32_t> colors)
{
    FavoriteScheme s;
    s.name = name;
    s.count = static_cast<int32_t>(colors.size());
    std::copy(colors.begin(), colors.end(), s.colors.begin());
    return s;
}

std::string RunCommand(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return output;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int raw = ::pclose(pipe);
    if (status) *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

CommaLocale::CommaLocale()
{
    const char* saved = std::setlocale(LC_ALL, nullptr);
    saved_ = saved ? saved : "C";
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, name) && Active())
            return;
    // Generated once and kept for later runs: localedef takes seconds.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tintonia-test-locales";
    int status = 0;
    if (!std::filesystem::exists(folder / "de_DE.UTF-8" / "LC_NUMERIC"))
        RunCommand("mkdir -p '" + folder.string() + "' && localedef -i de_DE -f UTF-8 '"
                       + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1",
                   &status);
    if (status == 0) {
        ::setenv("LOCPATH", folder.c_str(), 1);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") && Active())
            return;
    }
    std::setlocale(LC_ALL, saved_.c_str());
}

CommaLocale::~CommaLocale()
{
    std::setlocale(LC_ALL, saved_.c_str());
    ::unsetenv("LOCPATH");
}

bool CommaLocale::Active()
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    return std::string(text) == "0,5";
}
