#pragma once
// Test hook of the in-memory registry: forget every key.
void RegMemoryReset();
