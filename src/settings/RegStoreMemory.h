#pragma once
// Test hooks of the in-memory registry.
#include <string>

// Forget every key.
void RegMemoryReset();
// Every key and value with its type and bytes, in a fixed order: two equal dumps mean an unchanged store.
std::string RegMemoryDump();
