#include "alarms/RingStore.h"

#include "alarms/RingRecord.h"
#include "alarms/SnoozeStore.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

constexpr int kMaxMissingInARow = 1000;
constexpr std::string_view kCount = "DataCount";
constexpr std::string_view kRecord = "Data";
constexpr std::string_view kRingUntilStopped = "Ring";
const std::pair<std::string_view, std::string RingItem::*> kTexts[] = {{"Text", &RingItem::strNotifyText},
                                                                       {"RunExe", &RingItem::strRunExe},
                                                                       {"WavFile", &RingItem::strWavFile},
                                                                       {"Parameters", &RingItem::strParameters}};

RegValue Read(std::string_view field, int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number));
}

void Delete(std::string_view field, int number) {
    DeleteRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number));
}

void DeleteStoredValues(int number) {
    Delete(kRecord, number);
    Delete(kRingUntilStopped, number);
    for (const auto& [field, text] : kTexts) Delete(field, number);
}

void WriteRecord(int number, const std::vector<std::uint8_t>& bytes) {
    SaveRegBinary(RegRoot::CurrentUser, keys::Data, RingValueName(kRecord, number), bytes.data(), bytes.size());
}

void WriteText(std::string_view field, int number, const std::string& text) {
    if (text.empty())
        Delete(field, number);
    else
        SaveRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number), RegType::Text, text);
}

// Only a set flag is stored, so a store written before the flag existed reads as it always did.
void WriteRingUntilStopped(int number, bool on) {
    if (on)
        SaveRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(kRingUntilStopped, number), RegType::Number, 1);
    else
        Delete(kRingUntilStopped, number);
}

bool ReadRingUntilStopped(int number) { return Read(kRingUntilStopped, number).AsNumber().value_or(0) != 0; }

// Moves the values as they are stored, so even a damaged item keeps what it has.
void MoveStoredRing(int from, int to) {
    const std::vector<std::uint8_t> record = Read(kRecord, from).Bytes();
    if (!record.empty()) WriteRecord(to, record);
    for (const auto& [field, text] : kTexts) WriteText(field, to, Read(field, from).AsText());
    WriteRingUntilStopped(to, ReadRingUntilStopped(from));
    DeleteStoredValues(from);
}

// Hands the record value of every number the counting rule walks to `visit`; returns the last number in use.
template <typename Visit>
int WalkStoredRecords(Visit visit) {
    const int claimed =
        std::clamp(GetRegValue(RegRoot::CurrentUser, keys::Data, kCount).AsNumber().value_or(0), 0, kMaxStoredRings);
    int last = 0;
    for (int number = 1, missingInARow = 0; number <= kMaxStoredRings; ++number) {
        const RegValue record = Read(kRecord, number);
        visit(number, record);
        if (record.kind() == RegValue::Kind::Text || record.kind() == RegValue::Kind::Bytes) {
            last = number, missingInARow = 0;
            continue;
        }
        if (number > claimed || ++missingInARow >= kMaxMissingInARow) break;
    }
    return last;
}

std::optional<RingItem> ItemOfRecord(int number, const RegValue& record) {
    auto item = DecodeRingRecord(record.Bytes());
    if (!item) return std::nullopt;
    for (const auto& [field, text] : kTexts) (*item).*text = Read(field, number).AsText();
    item->ringUntilStopped = ReadRingUntilStopped(number);
    return item;
}

}  // namespace

int StoredRingCount() {
    return WalkStoredRecords([](int, const RegValue&) {});
}

void SaveStoredRingCount(int count) { SaveRegValue(RegRoot::CurrentUser, keys::Data, kCount, RegType::Number, count); }

std::optional<RingItem> ReadStoredRing(int number) { return ItemOfRecord(number, Read(kRecord, number)); }

// One pass: each record is read once, and the numbers walked past the last in use are dropped.
std::vector<std::optional<RingItem>> ReadStoredRings() {
    std::vector<std::optional<RingItem>> items;
    const int last = WalkStoredRecords(
        [&items](int number, const RegValue& record) { items.push_back(ItemOfRecord(number, record)); });
    items.resize(static_cast<std::size_t>(last));
    return items;
}

void WriteStoredRing(int number, const RingItem& item) {
    const RingRecord record = EncodeRingRecord(item);
    WriteRecord(number, {record.begin(), record.end()});
    for (const auto& [field, text] : kTexts) WriteText(field, number, item.*text);
    WriteRingUntilStopped(number, item.ringUntilStopped);
}

std::optional<int> AppendStoredRing(const RingItem& item) {
    const int number = StoredRingCount() + 1;
    if (number > kMaxStoredRings) return std::nullopt;
    WriteStoredRing(number, item);
    SaveStoredRingCount(number);
    return number;
}

void SaveStoredRingState(int number, bool enabled) {
    if (!enabled) ForgetSnooze(number);
    std::vector<std::uint8_t> bytes = Read(kRecord, number).Bytes();
    if (bytes.size() < kRingRecordSize || bytes[0] == std::uint8_t{enabled}) return;
    bytes[0] = enabled;
    WriteRecord(number, bytes);
}

void RemoveStoredRing(int number) {
    const int count = StoredRingCount();
    if (number < 1 || number > count) return;
    DeleteStoredValues(number);
    ForgetSnooze(number);
    if (number < count) MoveStoredRing(count, number), MoveSnooze(count, number);
    SaveStoredRingCount(count - 1);
}
