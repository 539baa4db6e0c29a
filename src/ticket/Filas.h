#pragma once

#include "ticket/Slot.h"

namespace quelvar {

// Rows of slots, 1-based: a bet's numbers or stars, the multiple bet.

// The first free slot among 1..hasta, or 0 when every one is taken.
template <typename Fila> int primeroLibre(const Fila& fila, int hasta) {
    for (int s = 1; s <= hasta; ++s)
        if (fila[s].isFree()) return s;
    return 0;
}

template <typename Fila> bool hayLibre(const Fila& fila, int hasta) { return primeroLibre(fila, hasta) != 0; }

template <typename Fila> bool hayLleno(const Fila& fila, int hasta) {
    for (int s = 1; s <= hasta; ++s)
        if (!fila[s].isFree()) return true;
    return false;
}

// Stores the value in the first free slot among 1..hasta; false when none
// was free.
template <typename Fila> bool ocuparPrimeroLibre(Fila& fila, int hasta, const Slot& valor) {
    const int s = primeroLibre(fila, hasta);
    if (s == 0) return false;
    fila[s] = valor;
    return true;
}

} // namespace quelvar
