#pragma once
// Splitting and comparing Windows paths.
#include <string>
#include <string_view>

// The part after the last backslash; the whole path when it has none.
std::string FileNameOf(std::string_view path);
// The part up to and including the last backslash; empty when it has none.
std::string FolderOf(std::string_view path);
// Windows file names ignore case: true when both name the same file.
bool SamePath(std::string_view a, std::string_view b);
