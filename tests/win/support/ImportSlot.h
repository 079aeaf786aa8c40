#pragma once
// The linker's name for a program's import slot of a Win32 call, for hooks that point the slot elsewhere:
// 32-bit names carry the stdcall decoration (a leading underscore and the argument bytes), 64-bit ones neither.
#ifdef _WIN64
#define IMPORT_SLOT(name, bytes) "__imp_" #name
#else
#define IMPORT_SLOT(name, bytes) "__imp__" #name "@" #bytes
#endif
