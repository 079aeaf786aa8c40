#include "alarms/SnoozeStore.h"

#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "alarms/SnoozeRules.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kSnooze = "Snooze";

std::optional<SnoozeList> loaded;

void Write(const StoredSnooze& snooze) {
    SaveRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kSnooze, snooze.number), RegType::Text,
                 SnoozeStamp(snooze.dueUtc));
}

void Delete(int number) { DeleteRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kSnooze, number)); }

// Unreadable values are dropped, so they cannot wait for ever.
std::vector<StoredSnooze> ReadStored() {
    std::vector<StoredSnooze> stored;
    for (int number = 1, count = StoredRingCount(); number <= count; ++number) {
        const RegValue value = GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kSnooze, number));
        if (value.kind() == RegValue::Kind::KeyMissing || value.kind() == RegValue::Kind::NoValue) continue;
        if (const std::optional<std::int64_t> due = ParseSnoozeStamp(value.AsText()))
            stored.push_back({number, *due});
        else
            Delete(number);
    }
    return stored;
}

SnoozeList& Loaded(std::int64_t nowUtc, std::uint64_t nowTickMs) {
    if (!loaded) loaded.emplace().Load(ReadStored(), nowUtc, nowTickMs);
    return *loaded;
}

bool Rings(int number) {
    const std::optional<RingItem> item = ReadStoredRing(number);
    return item && item->lngItemState == 1;
}

}  // namespace

void SnoozeRing(int number, int minutes, std::int64_t nowUtc, std::uint64_t nowTickMs) {
    Write(Loaded(nowUtc, nowTickMs).Add(number, minutes, nowUtc, nowTickMs));
}

std::vector<int> TakeDueSnoozes(std::int64_t nowUtc, std::uint64_t nowTickMs) {
    SnoozeList& list = Loaded(nowUtc, nowTickMs);
    if (list.empty()) return {};
    for (const StoredSnooze& moved : list.Restamp(nowUtc, nowTickMs)) Write(moved);
    std::vector<int> ringing;
    for (const int number : list.TakeDue(nowTickMs)) {
        Delete(number);
        if (Rings(number)) ringing.push_back(number);
    }
    return ringing;
}

void ForgetSnooze(int number) {
    if (loaded) loaded->Remove(number);
    Delete(number);
}

void MoveSnooze(int from, int to) {
    if (loaded) loaded->Renumber(from, to);
    const RegValue value = GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kSnooze, from));
    Delete(to);
    if (value.kind() == RegValue::Kind::Text)
        SaveRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kSnooze, to), RegType::Text, value.AsText());
    Delete(from);
}

void ReloadSnoozes() { loaded.reset(); }
