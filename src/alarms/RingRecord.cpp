#include "alarms/RingRecord.h"

RingRecord EncodeRingRecord(const RingItem& item) {
    const auto b = [](auto value) { return static_cast<std::uint8_t>(value); };
    return {b(item.lngItemState), b(item.lngNotifyMode), b(item.lngTimeMode), b(item.lngWeek),
            b(item.lngHour),      b(item.lngMinute),     b(item.lngYear),     b(item.lngYear1),
            b(item.lngMonth),     b(item.lngwDay),       b(item.lngOpenRun)};
}

std::optional<RingItem> DecodeRingRecord(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kRingRecordSize) return std::nullopt;
    RingItem item;
    item.lngItemState = bytes[0];
    item.lngNotifyMode = RingAction{bytes[1]};
    item.lngTimeMode = RingRepeat{bytes[2]};
    item.lngWeek = bytes[3];
    item.lngHour = bytes[4];
    item.lngMinute = bytes[5];
    item.lngYear = bytes[6];
    item.lngYear1 = bytes[7];
    item.lngMonth = bytes[8];
    item.lngwDay = bytes[9];
    item.lngOpenRun = bytes[10];
    return item;
}

std::string RingValueName(std::string_view field, int number) { return std::string(field) + std::to_string(number); }
