// What the soak benchmark's alarm items run: appends "<item> <local time>" to the file named first, so the
// firings can be counted from outside the clock. A windowed program, so nothing shows when the clock starts it.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 1;
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILE* tally = std::fopen(argv[1], "a");
    if (!tally) return 1;
    std::fprintf(tally, "%s %02d:%02d:%02d.%03d\n", argv[2], now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    std::fclose(tally);
    return 0;
}
