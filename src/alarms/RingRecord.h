#pragma once
// The stored form of an alarm item under "Software\Tollwick\Data": an 11-byte record "Data"+i and four
// optional texts "Text"+i, "RunExe"+i, "WavFile"+i, "Parameters"+i.
#include "alarms/RingItem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kRingRecordSize = 11;
using RingRecord = std::array<std::uint8_t, kRingRecordSize>;

// Each field is stored as one unsigned byte.
RingRecord EncodeRingRecord(const RingItem& item);
// The numeric fields of a record; nothing when it is shorter than 11 bytes.
std::optional<RingItem> DecodeRingRecord(const std::vector<std::uint8_t>& bytes);

// "Data" and 12 give "Data12".
std::string RingValueName(std::string_view field, int number);
