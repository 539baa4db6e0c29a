#include "ticket/Tableros.h"

namespace quelvar {

void Tableros::LimpiarTableros() {
    // A draw (the multiple bet's star step may run unlocked) must not go on
    // into the ticket that replaces this one.
    fin.terminarSorteo();
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
            c.tablero[b].lblNral[k].aplicar(LookLibre);
    for (int b = 1; b <= Apuestas; ++b)
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            c.tablero[b].lblEstrella[k].aplicar(LookLibre);
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        c.lblApmul[k].aplicar(LookLibre);
}

// Bet n takes Campos(7n-6 .. 7n-2) as numbers and Campos(7n-1 .. 7n) as stars.
// A value is stored whether or not it names a cell; only matching cells are
// painted.
void Tableros::cargarApuesta(int n) {
    const int base = (NumerosPorApuesta + EstrellasPorApuesta) * (n - 1);
    ControlesQuelvar::Tablero& t = c.tablero[n];
    m.PosCampo = static_cast<std::uint8_t>(base);
    for (int s = 1; s <= NumerosPorApuesta; ++s) {
        ++m.PosCampo;
        m.Numeros[n][s] = m.Campos[m.PosCampo];
        for (int j = 1; j <= NumerosPorTablero; ++j)
            if (m.Numeros[n][s].matches(t.lblNral[j].Caption)) t.lblNral[j].aplicar(LookSeleccionada);
    }
    m.PosCampo = static_cast<std::uint8_t>(base + NumerosPorApuesta);
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        ++m.PosCampo;
        m.Estrellas[n][s] = m.Campos[m.PosCampo];
        for (int j = 1; j <= EstrellasPorTablero; ++j)
            if (m.Estrellas[n][s].matches(t.lblEstrella[j].Caption)) t.lblEstrella[j].aplicar(LookSeleccionada);
    }
}

// One pass only: a value moves down at most one slot, so some gaps survive.
// The last step may pull in the slot just past the chosen size, but never
// reads past the tenth slot.
void Tableros::CompactarMultiple() {
    for (int i = 1; i <= m.CantidadMultipleFijada; ++i) {
        if (m.NumerosMultiple[i].isFree() && i + 1 <= MaximoMultiple) {
            m.NumerosMultiple[i] = m.NumerosMultiple[i + 1];
            m.NumerosMultiple[i + 1] = "";
        }
    }
}

void Tableros::vaciarTablero(int b) {
    for (int k = 1; k <= NumerosPorTablero; ++k)
        c.tablero[b].lblNral[k].aplicar(LookLibre);
    for (int k = 1; k <= EstrellasPorTablero; ++k)
        c.tablero[b].lblEstrella[k].aplicar(LookLibre);
}

bool Tableros::enApuesta(int b, bool estrella, int k) const {
    const ControlesQuelvar::Tablero& t = c.tablero[b];
    const std::string& caption = estrella ? t.lblEstrella[k].Caption : t.lblNral[k].Caption;
    auto contiene = [&caption](const Slot* fila, int hasta) {
        for (int s = 1; s <= hasta; ++s)
            if (fila[s].matches(caption)) return true;
        return false;
    };
    if (c.mnuApMul.Checked && b != 1) return false;
    if (estrella) return contiene(m.Estrellas[b].data(), EstrellasPorApuesta);
    if (c.mnuApMul.Checked) return contiene(m.NumerosMultiple.data(), MaximoMultiple);
    return contiene(m.Numeros[b].data(), NumerosPorApuesta);
}

void Tableros::pararParpadeo() {
    c.Timer1.habilitar(false);
    m.PasoParpadeo = 0;
}

} // namespace quelvar
