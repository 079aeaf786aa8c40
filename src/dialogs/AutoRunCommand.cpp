#include "dialogs/AutoRunCommand.h"

#include "system/PathParts.h"

std::string AutoRunCommand(std::string_view programPath) { return '"' + std::string(programPath) + '"'; }

bool StartsProgram(std::string_view command, std::string_view programPath) {
    while (!command.empty() && command.front() == ' ') command.remove_prefix(1);
    if (command.starts_with('"')) {
        command.remove_prefix(1);
        command = command.substr(0, command.find('"'));
    } else {
        while (!command.empty() && command.back() == ' ') command.remove_suffix(1);
    }
    return !programPath.empty() && SamePath(command, programPath);
}
