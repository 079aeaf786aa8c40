#include "face/SkinRules.h"

#include <random>

int DrawSkinIndex(int count, std::uint64_t seed) {
    if (count <= 0) return 1;
    std::mt19937_64 engine(seed);
    return std::uniform_int_distribution<int>(1, count)(engine);
}
