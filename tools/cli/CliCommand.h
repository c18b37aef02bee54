#pragma once
#include <string_view>

// A subcommand of tintonia-cli. Run receives the arguments after the subcommand's
// name and returns the process exit status (0 success, 1 failure, 2 bad usage).
struct CliCommand {
    std::string_view name;
    std::string_view usage;
    int (*run)(int argc, char** argv);
};

// Registers a command at start-up; returns true so it can initialise a static.
bool RegisterCliCommand(const CliCommand& command);

#define TINTONIA_CLI_COMMAND(ident, name, usage, fn) \
    static const bool ident##Registered = RegisterCliCommand(CliCommand{name, usage, fn})
