#pragma once

#include "ticket/Celdas.h"
#include "window/Layout.h"

// Moving a keyboard focus cell over a board (its cells counted as in
// Celdas.h) and over the size chooser. The numbers stand in columns of
// nine, the stars below them in three columns of three; the arrows follow
// the picture, and down from the foot of the numbers leads into the stars.

namespace quelvar::navegacion {

enum class Direccion { Arriba, Abajo, Izquierda, Derecha, Inicio, Fin };

using celdas::PrimeraEstrella;
constexpr int UltimaCelda = celdas::Total;

// The cell the focus goes to from `celda`; the same cell at an edge.
constexpr int vecina(int celda, Direccion d) {
    using layout::EstrellasPorColumna;
    using layout::NumerosPorColumna;
    constexpr int FilasEstrella = EstrellasPorColumna;
    if (d == Direccion::Inicio) return 1;
    if (d == Direccion::Fin) return UltimaCelda;
    if (celda < PrimeraEstrella) {
        const int columna = (celda - 1) / NumerosPorColumna;
        const int fila = (celda - 1) % NumerosPorColumna;
        switch (d) {
        case Direccion::Arriba: return fila > 0 ? celda - 1 : celda;
        case Direccion::Abajo:
            // Below the foot of a column (or below 50) lie the stars: two
            // columns of numbers over each column of stars.
            if (fila < NumerosPorColumna - 1 && celda < NumerosPorTablero) return celda + 1;
            return PrimeraEstrella + columna / 2 * FilasEstrella;
        case Direccion::Izquierda: return columna > 0 ? celda - NumerosPorColumna : celda;
        case Direccion::Derecha:
            return celda + NumerosPorColumna <= NumerosPorTablero ? celda + NumerosPorColumna : celda;
        default: return celda;
        }
    }
    const int estrella = celda - NumerosPorTablero;
    const int columna = (estrella - 1) / FilasEstrella;
    const int fila = (estrella - 1) % FilasEstrella;
    switch (d) {
    case Direccion::Arriba:
        // Up from the top row of stars: the foot of the first of their two columns.
        return fila > 0 ? celda - 1 : (2 * columna + 1) * NumerosPorColumna;
    case Direccion::Abajo: return fila < FilasEstrella - 1 ? celda + 1 : celda;
    case Direccion::Izquierda: return columna > 0 ? celda - FilasEstrella : celda;
    case Direccion::Derecha: return columna < EstrellasPorTablero / FilasEstrella - 1 ? celda + FilasEstrella : celda;
    default: return celda;
    }
}

// The size chooser is one column, 6 at the top: every arrow steps along it.
constexpr int vecinaTamano(int k, Direccion d) {
    switch (d) {
    case Direccion::Inicio: return MinimoMultiple;
    case Direccion::Fin: return MaximoMultiple;
    case Direccion::Arriba:
    case Direccion::Izquierda: return k > MinimoMultiple ? k - 1 : k;
    default: return k < MaximoMultiple ? k + 1 : k;
    }
}

} // namespace quelvar::navegacion
