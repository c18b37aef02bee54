#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

std::vector<CliCommand>& CliCommands();

static void PrintUsage(std::FILE* out)
{
    std::fprintf(out, "usage: tintonia-cli COMMAND [ARGS...]\n\ncommands:\n");
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    for (const CliCommand& command : commands)
        std::fprintf(out, "  %.*s\n", static_cast<int>(command.usage.size()), command.usage.data());
}

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const CliCommand& command : CliCommands()) {
        if (command.name == argv[1])
            return command.run(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "tintonia-cli: unknown command '%s'\n\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
