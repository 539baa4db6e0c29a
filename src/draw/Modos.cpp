// Play modes: the bet shape, the filling mode, the size of the multiple bet
// and the attention blink of the size chooser.

#include "window/FrmQuelvar.h"

namespace quelvar {

namespace {
constexpr int PasosParpadeo = 6; // three flashes; the chooser ends as it started
}

// Empties the ticket and shows the other shape as a new ticket.
void FrmQuelvar::cambiarForma(bool multiple) {
    LimpiarTableros();
    cmdApuesta.Caption = multiple ? textos::BotonMultiple : textos::BotonSencillas;
    mnuApSen.Checked = !multiple;
    mnuApMul.Checked = multiple;
    Caption = textos::TituloNuevaApuesta;
}

// The save question before a ticket is emptied. Returns false for Cancel, and
// for a Yes whose save did not happen: the ticket then stays as it was.
bool FrmQuelvar::preguntarYGuardar(const char* titulo, bool& vaciar) {
    vaciar = false;
    if (!m.Modificado) {
        vaciar = true;
        return true;
    }
    switch (preguntarGuardar()) {
    case MsgAnswer::Yes: vaciar = guardar(titulo); return vaciar;
    case MsgAnswer::No:
        vaciar = true;
        m.Modificado = false;
        return true;
    default: return false;
    }
}

void FrmQuelvar::mnuApSen_Click() {
    if (mnuApSen.Checked) return;
    bool vaciar = false;
    preguntarYGuardar("mnuApSen_Click", vaciar);
    if (vaciar) cambiarForma(false);
    // Also after Cancel.
    cmdApuesta.Enabled = true;
    enfocarBoton();
    liberarVentana();
}

void FrmQuelvar::mnuApMul_Click() {
    bool vaciar = false;
    if (mnuApMul.Checked) {
        // Emptying the ticket again: unsaved changes are offered for saving
        // first, as any other way of throwing them away does.
        preguntarYGuardar("mnuApMul_Click", vaciar);
        if (vaciar) LimpiarTableros();
        return;
    }
    preguntarYGuardar("mnuApMul_Click", vaciar);
    if (vaciar) cambiarForma(true);
    m.ApuestaActual = 1;
    enfocarBoton(); // no effect while the button is disabled
}

void FrmQuelvar::mnuApAleatoria_Click() {
    if (!mnuApManual.Checked) return;
    mnuApManual.Checked = false;
    mnuApAleatoria.Checked = true;
    for (int b = 1; b <= Apuestas; ++b) {
        for (int s = 1; s <= NumerosPorApuesta; ++s) {
            if (m.Numeros[b][s].isFree()) {
                cmdApuesta.Enabled = true;
                liberarVentana();
                return;
            }
        }
    }
}

void FrmQuelvar::mnuApManual_Click() {
    if (mnuApManual.Checked) return;
    mnuApAleatoria.Checked = false;
    mnuApManual.Checked = true;
    cmdApuesta.Enabled = false;
}

void FrmQuelvar::lblApmul_Click(int Index) {
    const int k = Index;
    if (k < MinimoMultiple || k > MaximoMultiple) return;
    if (cmdApuesta.Caption != textos::BotonMultiple) {
        m.CantidadMultipleFijada = static_cast<std::uint8_t>(k);
        return;
    }
    const int antes = m.CantidadMultiple;
    // Every filled slot past the new size counts, not only the leading run:
    // a number kept out of sight would still be shown and never saved.
    bool sobran = false;
    for (int i = k + 1; i <= MaximoMultiple; ++i)
        sobran = sobran || !m.NumerosMultiple[i].isFree();
    if (sobran) {
        if (desktop.messageBox(textos::ReducirApuesta, MsgButtons::YesNo, MsgIcon::Information, textos::Titulo) !=
            MsgAnswer::Yes)
            return;
        for (int i = k + 1; i <= MaximoMultiple; ++i)
            for (int c = 1; c <= NumerosPorTablero; ++c)
                if (m.NumerosMultiple[i].matches(tablero[1].lblNral[c].Caption))
                    tablero[1].lblNral[c].aplicar(LookLibre);
        for (int i = k + 1; i <= MaximoMultiple; ++i)
            m.NumerosMultiple[i] = "";
    }
    m.CantidadMultiple = static_cast<std::uint8_t>(k);
    // The size is part of what a save writes.
    auto marcarSiCambio = [&] {
        if (sobran || m.CantidadMultiple != antes) marcarModificado();
    };
    if (lblApmul[k].seleccionada()) {
        lblApmul[k].aplicar(LookLibre);
        m.CantidadMultiple = 0;
        marcarSiCambio();
        return;
    }
    for (int i = MinimoMultiple; i <= MaximoMultiple; ++i)
        lblApmul[i].aplicar(LookLibre);
    lblApmul[k].aplicar(LookSeleccionada);

    bool numerosCompletos = true;
    for (int i = 1; i <= m.CantidadMultiple; ++i) {
        if (m.NumerosMultiple[i].isFree()) {
            numerosCompletos = false;
            break;
        }
    }
    if (!numerosCompletos || m.Estrellas[1][1].isFree() || m.Estrellas[1][2].isFree()) {
        // A running draw keeps its lock; its own end gives the window back.
        if (!m.LlenandoNumeros) {
            cmdApuesta.Enabled = true;
            liberarVentana();
        }
    } else {
        cmdApuesta.Enabled = false;
    }
    m.CantidadMultipleFijada = static_cast<std::uint8_t>(k);
    marcarSiCambio();
}

void FrmQuelvar::Timer1_Timer() {
    ++m.PasoParpadeo;
    for (int i = MinimoMultiple; i <= MaximoMultiple; ++i) {
        if (lblApmul[i].seleccionada())
            lblApmul[i].aplicar(LookLibre);
        else if (lblApmul[i].libre())
            lblApmul[i].aplicar(LookSeleccionada);
    }
    if (m.PasoParpadeo == PasosParpadeo) {
        m.PasoParpadeo = 0;
        Timer1.habilitar(false);
    }
}

} // namespace quelvar
