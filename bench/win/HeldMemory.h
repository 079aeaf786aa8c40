#pragma once
// What a leak benchmark weighs besides objects: the program's own C++ allocations (to tell its leaks from growth
// inside the platform's libraries) and the process's private bytes. Included by one file of a benchmark only: it
// replaces the global operator new and delete.
#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <new>

namespace held_memory {
inline long allocations = 0;
}

void* operator new(std::size_t size) {
    ++held_memory::allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    if (block) --held_memory::allocations;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace held_memory {

// The commit charge, which Windows also reports as PrivateUsage; Wine fills in only this field of the two.
inline SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.PagefileUsage;
}

}  // namespace held_memory
