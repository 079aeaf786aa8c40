#pragma once
// Resource ids of the built-in pictures and sound.
#define IDI_CLOCK 1
#define IDB_BACKGROUND 2
#define IDB_DIGITS 3
#define IDB_ABOUT 4
#define IDR_RING_SOUND 10
