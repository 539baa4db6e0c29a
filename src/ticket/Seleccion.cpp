// Selecting and deselecting numbers and stars by clicking the boards.

#include "window/FrmQuelvar.h"
#include "window/Texts.h"

namespace quelvar {

void FrmQuelvar::lblNral_Click(int Index) { clickNumeroTablero1(Index); }
void FrmQuelvar::lblNral2_Click(int Index) { clickNumeroTableroN(2, Index); }
void FrmQuelvar::lblNral3_Click(int Index) { clickNumeroTableroN(3, Index); }
void FrmQuelvar::lblNral4_Click(int Index) { clickNumeroTableroN(4, Index); }
void FrmQuelvar::lblNral5_Click(int Index) { clickNumeroTableroN(5, Index); }
void FrmQuelvar::lblEstrella_Click(int Index) { clickEstrellaTablero1(Index); }
void FrmQuelvar::lblEstrella2_Click(int Index) { clickEstrellaTableroN(2, Index); }
void FrmQuelvar::lblEstrella3_Click(int Index) { clickEstrellaTableroN(3, Index); }
void FrmQuelvar::lblEstrella4_Click(int Index) { clickEstrellaTableroN(4, Index); }
void FrmQuelvar::lblEstrella5_Click(int Index) { clickEstrellaTableroN(5, Index); }

void FrmQuelvar::clickNumero(int n, int index) {
    if (index < 1 || index > NumerosPorTablero || n < 1 || n > Apuestas) return;
    if (n == 1)
        clickNumeroTablero1(index);
    else
        clickNumeroTableroN(n, index);
}

void FrmQuelvar::clickEstrella(int n, int index) {
    if (index < 1 || index > EstrellasPorTablero || n < 1 || n > Apuestas) return;
    if (n == 1)
        clickEstrellaTablero1(index);
    else
        clickEstrellaTableroN(n, index);
}

namespace {
template <typename Fila> bool algunoLibre(const Fila& fila, int hasta) {
    for (int s = 1; s <= hasta; ++s)
        if (fila[s].isFree()) return true;
    return false;
}

// Puts the caption into the first free slot of [1, hasta].
void ocuparPrimeroLibre(Slot* fila, int hasta, const std::string& caption) {
    for (int s = 1; s <= hasta; ++s) {
        if (fila[s].isFree()) {
            fila[s] = caption;
            return;
        }
    }
}

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

bool FrmQuelvar::preguntarModoManual() {
    if (!mnuApAleatoria.Checked) return false;
    if (desktop.messageBox(textos::PasarAManual, MsgButtons::YesNoCancel, MsgIcon::Question, textos::Titulo) !=
        MsgAnswer::Yes)
        return false;
    mnuApManual.Checked = true;
    mnuApAleatoria.Checked = false;
    return true;
}

// Board 1 in multiple mode needs a size before anything can be chosen.
bool FrmQuelvar::faltaCantidad() {
    if (!mnuApMul.Checked || m.CantidadMultiple != 0) return false;
    desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
    Timer1.habilitar(true);
    return true;
}

void FrmQuelvar::liberarPaso9() {
    cmdApuesta.Enabled = true;
    liberarVentana();
}

void FrmQuelvar::ControlarNumeros() {
    if (mnuApSen.Checked)
        hayLugar(m.Numeros[m.ApuestaActual], NumerosPorApuesta, m.HayLugarNumero);
    else if (mnuApMul.Checked)
        hayLugar(m.NumerosMultiple, m.CantidadMultiple, m.HayLugarNumero);
    if (!m.HayLugarNumero)
        desktop.messageBox(textos::MaximoNumeros, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
}

void FrmQuelvar::ControlarEstrellas() {
    hayLugar(m.Estrellas[m.ApuestaActual], EstrellasPorApuesta, m.HayLugarEstrella);
    if (!m.HayLugarEstrella)
        desktop.messageBox(textos::MaximoNumeros, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
}

// Steps 6 to 8 of every click: a red cell is deselected, a white one is
// selected when its bet has room, any other look is left alone.
void FrmQuelvar::alternarCelda(Celda& celda, Slot* slots, int hasta, bool& lugar, void (FrmQuelvar::*controlar)(),
                               bool liberarPorHueco) {
    if (celda.seleccionada()) {
        celda.aplicar(LookLibre);
        for (int s = 1; s <= hasta; ++s) {
            if (slots[s].matches(celda.Caption)) {
                slots[s] = "";
                if (liberarPorHueco) liberarPaso9();
            }
        }
        lugar = true;
        marcarModificado();
    } else if (celda.libre()) {
        (this->*controlar)();
        if (!lugar) return;
        celda.aplicar(LookSeleccionada);
        ocuparPrimeroLibre(slots, hasta, celda.Caption);
        marcarModificado();
    }
}

void FrmQuelvar::clickNumeroTablero1(int index) {
    if (m.LlenandoNumeros) return;
    if (preguntarModoManual() && mnuApSen.Checked) liberarPaso9();
    if (faltaCantidad()) return;
    if (!mnuApManual.Checked) return;
    const bool sencilla = mnuApSen.Checked;
    Celda& celda = tablero[1].lblNral[index];
    if (sencilla) {
        m.ApuestaActual = 1;
        alternarCelda(celda, m.Numeros[1].data(), NumerosPorApuesta, m.HayLugarNumero, &FrmQuelvar::ControlarNumeros,
                      false);
        liberarPaso9();
    } else {
        alternarCelda(celda, m.NumerosMultiple.data(), m.CantidadMultiple, m.HayLugarNumero,
                      &FrmQuelvar::ControlarNumeros, true);
    }
}

// Boards 2 to 5 hold no part of a multiple bet: there they do nothing.
void FrmQuelvar::clickNumeroTableroN(int n, int index) {
    if (m.LlenandoNumeros || mnuApMul.Checked) return;
    if (algunoLibre(m.Numeros[n - 1], NumerosPorApuesta)) return;
    preguntarModoManual();
    if (mnuApManual.Checked) {
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        alternarCelda(tablero[n].lblNral[index], m.Numeros[n].data(), NumerosPorApuesta, m.HayLugarNumero,
                      &FrmQuelvar::ControlarNumeros, false);
    }
    liberarPaso9();
}

void FrmQuelvar::clickEstrellaTablero1(int index) {
    if (m.LlenandoEstrellas) return;
    preguntarModoManual();
    if (faltaCantidad()) return;
    if (mnuApManual.Checked) {
        m.ApuestaActual = 1;
        alternarCelda(tablero[1].lblEstrella[index], m.Estrellas[1].data(), EstrellasPorApuesta, m.HayLugarEstrella,
                      &FrmQuelvar::ControlarEstrellas, mnuApSen.Checked);
    }
    liberarPaso9();
}

void FrmQuelvar::clickEstrellaTableroN(int n, int index) {
    if (m.LlenandoEstrellas || mnuApMul.Checked) return;
    if (algunoLibre(m.Estrellas[n - 1], EstrellasPorApuesta)) return;
    preguntarModoManual();
    if (mnuApManual.Checked) {
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        alternarCelda(tablero[n].lblEstrella[index], m.Estrellas[n].data(), EstrellasPorApuesta, m.HayLugarEstrella,
                      &FrmQuelvar::ControlarEstrellas, false);
    }
    liberarPaso9();
}

} // namespace quelvar
