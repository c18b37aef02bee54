#include "Module.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>

namespace tna {

ModuleHandle LoadModule(const std::string& path, std::string* error)
{
    // Plug-ins keep their symbols to themselves so that two of them built from the
    // same shared code never bind to each other's copy.
    ModuleHandle module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module && error) {
        const char* text = dlerror();
        *error = text ? text : "cannot load " + path;
    }
    return module;
}

void* GetModuleSymbol(ModuleHandle module, const char* name)
{
    if (!module || !name)
        return nullptr;
    return dlsym(module, name);
}

void FreeModule(ModuleHandle module)
{
    if (module)
        dlclose(module);
}

void* ModuleBaseOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0)
        return nullptr;
    return info.dli_fbase;
}

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string full(path, std::size_t(length));
    const std::size_t slash = full.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : full.substr(0, slash);
}

namespace {

bool EndsWithNoCase(const std::string& name, const std::string& ending)
{
    if (name.size() < ending.size())
        return false;
    return std::equal(ending.rbegin(), ending.rend(), name.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !EndsWithNoCase(name, extension))
            continue;
        names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());

    std::vector<std::string> paths;
    for (const std::string& name : names) {
        std::string path = folder.empty() ? name : (folder.back() == '/' ? folder + name : folder + "/" + name);
        struct stat info{};
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            paths.push_back(std::move(path));
    }
    return paths;
}

} // namespace tna
