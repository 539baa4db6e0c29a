#include "draw/Azar.h"

#include <algorithm>
#include <cmath>

namespace quelvar {

namespace {
// The finaliser of splitmix64: every input bit reaches every output bit.
std::uint64_t mezclar(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
constexpr std::uint64_t Paso = 0x9E3779B97F4A7C15ULL;
constexpr int BitsSimple = 24; // a float holds 24 significant bits
} // namespace

float AzarReloj::siguiente() {
    estado_ = mezclar(estado_ ^ mezclar(reloj_())) + Paso;
    const std::uint64_t bits = mezclar(estado_) >> (64 - BitsSimple);
    return static_cast<float>(bits) * (1.0f / static_cast<float>(1u << BitsSimple));
}

int sortear(Azar& azar, int maximo) {
    const float r = azar.siguiente();
    const int v = static_cast<int>(std::floor(r * static_cast<float>(maximo) + 1.0f));
    // r < 1 keeps v within range; the clamp only guards a source that breaks that promise.
    return std::clamp(v, 1, maximo);
}

} // namespace quelvar
