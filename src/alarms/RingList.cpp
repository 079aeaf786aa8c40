#include "alarms/RingList.h"

#include "alarms/RingStore.h"

clsSaveRingData RingList;
std::int32_t RingCount = 0;
void (*NextRingMoved)() = nullptr;

namespace {

std::vector<std::optional<RingItem>> stored;

}  // namespace

void LoadRingData() {
    stored = ReadStoredRings();
    RingList.clear();
    // A damaged record costs only its own item.
    for (const std::optional<RingItem>& item : stored)
        if (item) RingList.push_back(*item);
    RingCount = static_cast<std::int32_t>(RingList.size());
    if (NextRingMoved) NextRingMoved();
}

const std::vector<std::optional<RingItem>>& StoredRingList() { return stored; }

int StoredNumberAt(int position) {
    for (int number = 1, seen = 0; number <= int(stored.size()); ++number)
        if (stored[number - 1] && ++seen == position) return number;
    return 0;
}
