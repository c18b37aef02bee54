#pragma once
// Loading shared libraries at run time and listing them in a folder.

#include <string>
#include <vector>

namespace tna {

using ModuleHandle = void*;

// Loads the library; null on failure, with the loader's message in *error.
ModuleHandle LoadModule(const std::string& path, std::string* error = nullptr);
void* GetModuleSymbol(ModuleHandle module, const char* name);
void FreeModule(ModuleHandle module);

// Base address of the module that holds the given code or data address: the
// module's own instance handle. Null when the address lies in no module.
void* ModuleBaseOf(const void* address);

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();

// Full paths of the regular files in the folder whose names end in the extension
// (".so"; compared case-insensitively), sorted by name. Empty when the folder
// cannot be read.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension);

} // namespace tna
