#pragma once

#include "ticket/Module1.h"

// A board's cells in one count, as the keyboard and assistive technology go
// over them: the numbers 1..50, then the stars 1..9 as 51..59.

namespace quelvar::celdas {

constexpr int Total = NumerosPorTablero + EstrellasPorTablero;
constexpr int PrimeraEstrella = NumerosPorTablero + 1;

constexpr int estrella(int k) { return NumerosPorTablero + k; }
constexpr bool esEstrella(int celda) { return celda > NumerosPorTablero; }
// The number or the star a cell shows.
constexpr int valor(int celda) { return esEstrella(celda) ? celda - NumerosPorTablero : celda; }

} // namespace quelvar::celdas
