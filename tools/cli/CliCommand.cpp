#include "CliCommand.h"

#include <vector>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

bool RegisterCliCommand(const CliCommand& command)
{
    CliCommands().push_back(command);
    return true;
}
