// Reading a long text: one sized read against 1 KiB-chunked re-reads, on the memory store.
#include "../Bench.h"
#include "settings/RegProcess.h"

#include <string>

int main() {
    const std::string text(5000, 'r');
    SaveRegValue(RegRoot::CurrentUser, "Software\\Tollwick\\Bench", "Text", RegType::Text, text);
    std::size_t sink = 0;
    const double once = bench::MedianMicros(21, [&] {
        for (int i = 0; i < 1000; ++i)
            sink += GetRegValue(RegRoot::CurrentUser, "Software\\Tollwick\\Bench", "Text").AsText().size();
    });
    const double small = bench::MedianMicros(21, [&] {
        for (int i = 0; i < 1000; ++i)
            sink += GetRegValue(RegRoot::CurrentUser, "Software\\Tollwick\\Bench", "Missing").AsText().size();
    });
    bench::Report("1000 reads: 5000-char text vs missing value", small, once);
    return sink == 0;
}
