#pragma once
// Sound files in the temporary folder, removed again when the test is done with them.
#include <windows.h>

#include <fstream>
#include <string>

inline std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "tollwick-ringing-" + name;
}

// A wave of format `tag` holding four frames (blocks of 256 bytes below 8 bits, as ADPCM has them).
inline std::string WaveBytes(int tag, int channels, int rate, int bits) {
    const int block = bits >= 8 ? channels * bits / 8 : 256, data = 4 * block;
    std::string bytes = "RIFF....WAVEfmt ";
    const auto put = [&](unsigned value, int size) {
        for (int i = 0; i < size; ++i) bytes += char(value >> 8 * i);
    };
    put(16, 4), put(tag, 2), put(channels, 2), put(rate, 4), put(rate * block, 4), put(block, 2), put(bits, 2);
    bytes += "data", put(data, 4), bytes += std::string(data, char(0x40));
    return bytes;
}

class SoundFile {
public:
    SoundFile(const char* name, const std::string& bytes) : path(TempPath(name)) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~SoundFile() { DeleteFileA(path.c_str()); }
    const std::string path;
};
