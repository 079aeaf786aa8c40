#pragma once
// Splitting a Windows path at its last backslash.
#include <string>
#include <string_view>

// The part after the last backslash; the whole path when it has none.
std::string FileNameOf(std::string_view path);
// The part up to and including the last backslash; empty when it has none.
std::string FolderOf(std::string_view path);
