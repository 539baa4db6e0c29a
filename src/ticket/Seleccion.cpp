#include "ticket/Seleccion.h"

#include "base/Textos.h"
#include "ticket/Filas.h"

namespace quelvar {

void Seleccion::clickNumero(int n, int index) {
    if (index < 1 || index > NumerosPorTablero || n < 1 || n > Apuestas) return;
    if (n == 1)
        clickNumeroTablero1(index);
    else
        clickNumeroTableroN(n, index);
}

void Seleccion::clickEstrella(int n, int index) {
    if (index < 1 || index > EstrellasPorTablero || n < 1 || n > Apuestas) return;
    if (n == 1)
        clickEstrellaTablero1(index);
    else
        clickEstrellaTableroN(n, index);
}

namespace {
// Walks the slots as the limit checks do: each taken slot says "no room",
// the first free one says "room" and ends the walk.
template <typename Fila> void hayLugar(const Fila& fila, int hasta, bool& lugar) {
    for (int s = 1; s <= hasta; ++s) {
        if (!fila[s].isFree()) {
            lugar = false;
        } else {
            lugar = true;
            return;
        }
    }
}
} // namespace

bool Seleccion::preguntarModoManual() {
    if (!c.mnuApAleatoria.Checked) return false;
    if (desktop.messageBox(textos::PasarAManual, MsgButtons::YesNoCancel, MsgIcon::Question, textos::Titulo) !=
        MsgAnswer::Yes)
        return false;
    c.mnuApManual.Checked = true;
    c.mnuApAleatoria.Checked = false;
    return true;
}

// Board 1 in multiple mode needs a size before anything can be chosen.
bool Seleccion::faltaCantidad() {
    if (!c.mnuApMul.Checked || m.CantidadMultiple != 0) return false;
    desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
    c.Timer1.habilitar(true);
    return true;
}

// After a click the button may draw what the click left free.
void Seleccion::liberarTrasClic() {
    c.cmdApuesta.Enabled = true;
    grupos.liberarVentana();
}

void Seleccion::ControlarNumeros() {
    if (c.mnuApSen.Checked)
        hayLugar(m.Numeros[m.ApuestaActual], NumerosPorApuesta, m.HayLugarNumero);
    else if (c.mnuApMul.Checked)
        hayLugar(m.NumerosMultiple, m.CantidadMultiple, m.HayLugarNumero);
    if (!m.HayLugarNumero)
        desktop.messageBox(textos::MaximoNumeros, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
}

void Seleccion::ControlarEstrellas() {
    hayLugar(m.Estrellas[m.ApuestaActual], EstrellasPorApuesta, m.HayLugarEstrella);
    if (!m.HayLugarEstrella)
        desktop.messageBox(textos::MaximoNumeros, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
}

// What every click does to its cell: a red cell is deselected, a white one is
// selected when its bet has room, any other look is left alone.
void Seleccion::alternarCelda(Celda& celda, Slot* slots, int hasta, bool& lugar, void (Seleccion::*controlar)(),
                              bool liberarPorHueco) {
    if (celda.seleccionada()) {
        celda.aplicar(LookLibre);
        for (int s = 1; s <= hasta; ++s) {
            if (slots[s].matches(celda.Caption)) {
                slots[s] = "";
                if (liberarPorHueco) liberarTrasClic();
            }
        }
        lugar = true;
        grupos.marcarModificado();
    } else if (celda.libre()) {
        (this->*controlar)();
        if (!lugar) return;
        celda.aplicar(LookSeleccionada);
        ocuparPrimeroLibre(slots, hasta, Slot::text(celda.Caption));
        grupos.marcarModificado();
    }
}

void Seleccion::clickNumeroTablero1(int index) {
    if (m.LlenandoNumeros) return;
    if (preguntarModoManual() && c.mnuApSen.Checked) liberarTrasClic();
    if (faltaCantidad()) return;
    if (!c.mnuApManual.Checked) return;
    Celda& celda = c.tablero[1].lblNral[index];
    if (c.mnuApSen.Checked) {
        m.ApuestaActual = 1;
        alternarCelda(celda, m.Numeros[1].data(), NumerosPorApuesta, m.HayLugarNumero, &Seleccion::ControlarNumeros,
                      false);
        liberarTrasClic();
    } else {
        alternarCelda(celda, m.NumerosMultiple.data(), m.CantidadMultiple, m.HayLugarNumero,
                      &Seleccion::ControlarNumeros, true);
    }
}

// Boards 2 to 5 hold no part of a multiple bet: there they do nothing.
void Seleccion::clickNumeroTableroN(int n, int index) {
    if (m.LlenandoNumeros || c.mnuApMul.Checked) return;
    if (hayLibre(m.Numeros[n - 1], NumerosPorApuesta)) return;
    preguntarModoManual();
    if (c.mnuApManual.Checked) {
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        alternarCelda(c.tablero[n].lblNral[index], m.Numeros[n].data(), NumerosPorApuesta, m.HayLugarNumero,
                      &Seleccion::ControlarNumeros, false);
    }
    liberarTrasClic();
}

void Seleccion::clickEstrellaTablero1(int index) {
    if (m.LlenandoEstrellas) return;
    preguntarModoManual();
    if (faltaCantidad()) return;
    if (c.mnuApManual.Checked) {
        m.ApuestaActual = 1;
        alternarCelda(c.tablero[1].lblEstrella[index], m.Estrellas[1].data(), EstrellasPorApuesta, m.HayLugarEstrella,
                      &Seleccion::ControlarEstrellas, c.mnuApSen.Checked);
    }
    liberarTrasClic();
}

void Seleccion::clickEstrellaTableroN(int n, int index) {
    if (m.LlenandoEstrellas || c.mnuApMul.Checked) return;
    if (hayLibre(m.Estrellas[n - 1], EstrellasPorApuesta)) return;
    preguntarModoManual();
    if (c.mnuApManual.Checked) {
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        alternarCelda(c.tablero[n].lblEstrella[index], m.Estrellas[n].data(), EstrellasPorApuesta, m.HayLugarEstrella,
                      &Seleccion::ControlarEstrellas, false);
    }
    liberarTrasClic();
}

} // namespace quelvar
