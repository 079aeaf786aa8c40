#pragma once
// The folder the skin files are read from, for the clock and the options alike.
#include <string>

// The stored "SkinPath" when it names something that exists, otherwise the "skins" folder shipped beside the
// program.
std::string SkinFolder();
