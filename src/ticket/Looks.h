#pragma once

#include <cstdint>

namespace quelvar {

using Color = std::uint32_t; // 0xRRGGBB

constexpr Color Blanco = 0xFFFFFF;
constexpr Color Rojo = 0xFF0000;
constexpr Color RojoClaro = 0xFF8080;

// The three looks of a cell. Handlers read a cell's state back from its
// background: red is selected, white is free, anything else is neither.
struct Look {
    Color fore;
    Color back;
};

constexpr Look LookLibre{RojoClaro, Blanco};
constexpr Look LookSeleccionada{Blanco, Rojo};
constexpr Look LookIluminada{Blanco, RojoClaro};

} // namespace quelvar
