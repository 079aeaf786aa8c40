#pragma once
// The value under a Run key that starts the clock when the user logs on.
#include <string>
#include <string_view>

// The program's path in quotes: a Run value is a command line, and a blank in a bare path would end the program's
// name there.
std::string AutoRunCommand(std::string_view programPath);
// True when the Run value starts the program at programPath, quoted or, as older versions wrote it, bare.
bool StartsProgram(std::string_view command, std::string_view programPath);
