// Play modes: the bet shape, the filling mode, the size of the multiple bet
// and the attention blink of the size chooser.

#include "draw/Modos.h"

#include "base/Textos.h"
#include "ticket/Filas.h"

namespace quelvar {

namespace {
constexpr int PasosParpadeo = 6; // three flashes; the chooser ends as it started
}

// Empties the ticket and shows the other shape as a new ticket.
void Modos::cambiarForma(bool multiple) {
    tableros.LimpiarTableros();
    c.cmdApuesta.Caption = multiple ? textos::BotonMultiple : textos::BotonSencillas;
    c.mnuApSen.Checked = !multiple;
    c.mnuApMul.Checked = multiple;
    c.Caption = textos::TituloNuevaApuesta;
}

// The ticket is emptied once the user has had a say about its changes.
bool Modos::vaciarConPermiso(const char* titulo) {
    if (!comandos.quizaGuardar(titulo)) return false;
    m.Modificado = false;
    return true;
}

void Modos::mnuApSen_Click() {
    if (c.mnuApSen.Checked) return;
    if (vaciarConPermiso(textos::TituloErrorSencillas)) cambiarForma(false);
    // Also after Cancel.
    c.cmdApuesta.Enabled = true;
    grupos.enfocarBoton();
    grupos.liberarVentana();
}

void Modos::mnuApMul_Click() {
    if (c.mnuApMul.Checked) {
        // Emptying the ticket again: unsaved changes are offered for saving
        // first, as any other way of throwing them away does.
        if (vaciarConPermiso(textos::TituloErrorMultiple)) tableros.LimpiarTableros();
        return;
    }
    if (vaciarConPermiso(textos::TituloErrorMultiple)) cambiarForma(true);
    m.ApuestaActual = 1;
    grupos.enfocarBoton(); // no effect while the button is disabled
}

void Modos::mnuApAleatoria_Click() {
    if (!c.mnuApManual.Checked) return;
    c.mnuApManual.Checked = false;
    c.mnuApAleatoria.Checked = true;
    for (int b = 1; b <= Apuestas; ++b) {
        if (hayLibre(m.Numeros[b], NumerosPorApuesta)) {
            c.cmdApuesta.Enabled = true;
            grupos.liberarVentana();
            return;
        }
    }
}

void Modos::mnuApManual_Click() {
    if (c.mnuApManual.Checked) return;
    c.mnuApAleatoria.Checked = false;
    c.mnuApManual.Checked = true;
    c.cmdApuesta.Enabled = false;
}

void Modos::lblApmul_Click(int Index) {
    const int k = Index;
    if (k < MinimoMultiple || k > MaximoMultiple) return;
    if (c.cmdApuesta.Caption != textos::BotonMultiple) {
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
            for (int j = 1; j <= NumerosPorTablero; ++j)
                if (m.NumerosMultiple[i].matches(c.tablero[1].lblNral[j].Caption))
                    c.tablero[1].lblNral[j].aplicar(LookLibre);
        for (int i = k + 1; i <= MaximoMultiple; ++i)
            m.NumerosMultiple[i] = "";
    }
    m.CantidadMultiple = static_cast<std::uint8_t>(k);
    // The size is part of what a save writes.
    auto marcarSiCambio = [&] {
        if (sobran || m.CantidadMultiple != antes) grupos.marcarModificado();
    };
    if (c.lblApmul[k].seleccionada()) {
        c.lblApmul[k].aplicar(LookLibre);
        m.CantidadMultiple = 0;
        marcarSiCambio();
        return;
    }
    for (int i = MinimoMultiple; i <= MaximoMultiple; ++i)
        c.lblApmul[i].aplicar(LookLibre);
    c.lblApmul[k].aplicar(LookSeleccionada);

    if (hayLibre(m.NumerosMultiple, m.CantidadMultiple) || m.Estrellas[1][1].isFree() || m.Estrellas[1][2].isFree()) {
        // A running draw keeps its lock; its own end gives the window back.
        if (!m.LlenandoNumeros) {
            c.cmdApuesta.Enabled = true;
            grupos.liberarVentana();
        }
    } else {
        c.cmdApuesta.Enabled = false;
    }
    m.CantidadMultipleFijada = static_cast<std::uint8_t>(k);
    marcarSiCambio();
}

void Modos::Timer1_Timer() {
    ++m.PasoParpadeo;
    for (int i = MinimoMultiple; i <= MaximoMultiple; ++i) {
        if (c.lblApmul[i].seleccionada())
            c.lblApmul[i].aplicar(LookLibre);
        else if (c.lblApmul[i].libre())
            c.lblApmul[i].aplicar(LookSeleccionada);
    }
    if (m.PasoParpadeo == PasosParpadeo) {
        m.PasoParpadeo = 0;
        c.Timer1.habilitar(false);
    }
}

} // namespace quelvar
