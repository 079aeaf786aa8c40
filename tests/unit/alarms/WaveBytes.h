#pragma once
// Wave files as bytes, chunk by chunk, as the sound tests build them.
#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(std::uint8_t(value >> 8 * i));
}

inline Bytes Chunk(const char* id, const Bytes& body, std::uint32_t claimed) {
    Bytes bytes(id, id + 4);
    Put(bytes, claimed, 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}
inline Bytes Chunk(const char* id, const Bytes& body) { return Chunk(id, body, std::uint32_t(body.size())); }

inline Bytes Format(int tag, int channels, int rate, int bits, int size = 16) {
    Bytes body;
    Put(body, tag, 2), Put(body, channels, 2), Put(body, rate, 4), Put(body, rate * channels * bits / 8, 4);
    Put(body, channels * bits / 8, 2), Put(body, bits, 2);
    body.resize(std::size_t(size));
    return body;
}

inline Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes inner{'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks) inner.insert(inner.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", inner);
}

inline const Bytes kPcm16 = Format(1, 1, 22050, 16);
inline const Bytes kSeven(7, 0x11);
