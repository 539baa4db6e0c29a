#include "window/FrmBorrar.h"

#include "base/Teclas.h"
#include "base/Textos.h"
#include "ticket/Filas.h"

namespace quelvar {

namespace {
constexpr int Marcada = 1;
}

FrmBorrar::FrmBorrar(Module1& modulo, ControlesQuelvar& principal, Tableros& tableros, FinSorteo& fin, Ventana& ventana)
    : m(modulo), frm(principal), tableros(tableros), fin(fin), ventana(ventana) {
    Form_Load();
}

void FrmBorrar::Form_Load() {
    Caption = textos::Titulo;
    for (int n = 1; n <= Apuestas; ++n)
        Check[n] = Casilla{textos::CasillaApuesta + std::to_string(n), false, 0};
    cmdAceptar = Boton{textos::BotonAceptar, true};
    cmdCancelar = Boton{textos::BotonCancelar, true};
    ConDatos = {};
}

void FrmBorrar::Form_Activate() {
    ConDatos = {};
    if (frm.mnuApSen.Checked) {
        bool alguna = false;
        for (int n = 1; n <= Apuestas; ++n) {
            ConDatos[n] = hayLleno(m.Numeros[n], NumerosPorApuesta) || hayLleno(m.Estrellas[n], EstrellasPorApuesta);
            if (ConDatos[n]) {
                Check[n].Enabled = true;
                Check[n].Value = Marcada;
            }
            alguna = alguna || ConDatos[n];
        }
        if (!alguna) {
            frm.mnuBorrar.Enabled = false;
            Unload();
        }
    } else if (frm.mnuApMul.Checked) {
        ConDatos[1] = hayLleno(m.NumerosMultiple, MaximoMultiple) || hayLleno(m.Estrellas[1], EstrellasPorApuesta);
        if (ConDatos[1]) {
            Check[1].Enabled = true;
            Check[1].Value = Marcada;
        }
    }
}

void FrmBorrar::borrarApuesta(int n) {
    for (int s = 1; s <= NumerosPorApuesta; ++s)
        m.Numeros[n][s] = "";
    for (int s = 1; s <= EstrellasPorApuesta; ++s)
        m.Estrellas[n][s] = "";
    tableros.vaciarTablero(n);
    ConDatos[n] = false;
}

void FrmBorrar::borrarMultiple() {
    // The unlocked star step may still be blinking over the bet.
    fin.terminarSorteo();
    for (int s = 1; s <= MaximoMultiple; ++s)
        m.NumerosMultiple[s] = "";
    for (int s = 1; s <= EstrellasPorApuesta; ++s)
        m.Estrellas[1][s] = "";
    tableros.vaciarTablero(1);
    tableros.pararParpadeo();
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        frm.lblApmul[k].aplicar(LookLibre);
    m.CantidadMultiple = 0;
    ConDatos[1] = false;
}

void FrmBorrar::cmdAceptar_Click() {
    if (frm.mnuApSen.Checked) {
        // A star step may wait unlocked on a bet about to be emptied.
        bool alguna = false;
        for (int n = 1; n <= Apuestas; ++n)
            alguna = alguna || Check[n].Value == Marcada;
        if (alguna) fin.terminarSorteo();
        if (Check[1].Value == Marcada) BorrarApuesta1();
        if (Check[2].Value == Marcada) BorrarApuesta2();
        if (Check[3].Value == Marcada) BorrarApuesta3();
        if (Check[4].Value == Marcada) BorrarApuesta4();
        if (Check[5].Value == Marcada) BorrarApuesta5();
    } else if (frm.mnuApMul.Checked && (Check[1].Value == Marcada || !ConDatos[1])) {
        // An unchecked box means the user chose to keep the bet; an empty
        // bet has no box to check, yet its size can still be dropped.
        borrarMultiple();
    }
    m.Modificado = true;
    frm.cmdApuesta.Enabled = true;
    Unload();
}

void FrmBorrar::cmdCancelar_Click() { Unload(); }

void FrmBorrar::Form_KeyPress(int KeyAscii) {
    if (KeyAscii == TeclaEscape) Unload();
}

} // namespace quelvar
