// Procedures that set slots and cell colours together: clearing the boards,
// loading a bet read from a file, and closing gaps in the multiple bet.

#include "window/FrmQuelvar.h"

namespace quelvar {

void FrmQuelvar::LimpiarTableros() {
    // A draw (the multiple bet's star step may run unlocked) must not go on
    // into the ticket that replaces this one.
    terminarSorteo();
    pararParpadeo();
    for (int b = 1; b <= Apuestas; ++b)
        for (int s = 1; s <= NumerosPorApuesta; ++s)
            m.Numeros[b][s] = "";
    for (int s = 1; s <= MaximoMultiple; ++s)
        m.NumerosMultiple[s] = "";
    for (int b = 1; b <= Apuestas; ++b)
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            m.Estrellas[b][s] = "";
    m.CantidadMultiple = 0;
    for (int b = 1; b <= Apuestas; ++b)
        for (int k = 1; k <= NumerosPorTablero; ++k)
            tablero[b].lblNral[k].aplicar(LookLibre);
    for (int b = 1; b <= Apuestas; ++b)
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            tablero[b].lblEstrella[k].aplicar(LookLibre);
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        lblApmul[k].aplicar(LookLibre);
}

void FrmQuelvar::CargarApuesta1() { CargarApuesta(1); }
void FrmQuelvar::CargarApuesta2() { CargarApuesta(2); }
void FrmQuelvar::CargarApuesta3() { CargarApuesta(3); }
void FrmQuelvar::CargarApuesta4() { CargarApuesta(4); }
void FrmQuelvar::CargarApuesta5() { CargarApuesta(5); }

// Bet n takes Campos(7n-6 .. 7n-2) as numbers and Campos(7n-1 .. 7n) as stars.
// A value is stored whether or not it names a cell; only matching cells are
// painted.
void FrmQuelvar::CargarApuesta(int n) {
    const int base = (NumerosPorApuesta + EstrellasPorApuesta) * (n - 1);
    m.PosCampo = static_cast<std::uint8_t>(base);
    for (int s = 1; s <= NumerosPorApuesta; ++s) {
        ++m.PosCampo;
        m.Numeros[n][s] = m.Campos[m.PosCampo];
        for (int j = 1; j <= NumerosPorTablero; ++j)
            if (m.Numeros[n][s].matches(tablero[n].lblNral[j].Caption)) tablero[n].lblNral[j].aplicar(LookSeleccionada);
    }
    m.PosCampo = static_cast<std::uint8_t>(base + NumerosPorApuesta);
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        ++m.PosCampo;
        m.Estrellas[n][s] = m.Campos[m.PosCampo];
        for (int j = 1; j <= EstrellasPorTablero; ++j)
            if (m.Estrellas[n][s].matches(tablero[n].lblEstrella[j].Caption))
                tablero[n].lblEstrella[j].aplicar(LookSeleccionada);
    }
}

// One pass only: a value moves down at most one slot, so some gaps survive.
// The last step may pull in the slot just past the chosen size, but never
// reads past the tenth slot.
void FrmQuelvar::CompactarMultiple() {
    for (int i = 1; i <= m.CantidadMultipleFijada; ++i) {
        if (m.NumerosMultiple[i].isFree() && i + 1 <= MaximoMultiple) {
            m.NumerosMultiple[i] = m.NumerosMultiple[i + 1];
            m.NumerosMultiple[i + 1] = "";
        }
    }
}

} // namespace quelvar
