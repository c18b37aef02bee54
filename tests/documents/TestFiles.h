#pragma once
#include "FavoriteScheme.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // Names of everything inside, sorted.
    std::vector<std::string> Entries() const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

constexpr uint32_t Rgb(int r, int g, int b)
{
    return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

FavoriteScheme Scheme(const std::string& name, std::vector<uint32_t> colors);

// Runs a shell command and returns its standard output; `status` gets its exit status.
std::string RunCommand(const std::string& command, int* status = nullptr);

// Switches the C library to a locale that writes decimal commas for as long as
// it lives, generating one under the temporary folder when the system has none.
// Active() says whether that worked.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    static bool Active();

private:
    std::string saved_;
};
