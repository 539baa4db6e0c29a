#pragma once

#include "base/Ventana.h"
#include "draw/Azar.h"
#include "ticket/Module1.h"
#include "window/FrmAcercaDe.h"
#include "window/FrmBorrar.h"
#include "window/FrmQuelvar.h"

namespace quelvar {

// The program object: the shared ticket state and the one instance of each
// window. Tests build a fresh one per case. The window requests go to
// whatever listens: the shell's window, or a test that records them.
struct Programa {
    // oyente: who hears the window requests from the start (a test's
    // recorder); the shell's window subscribes itself once it exists.
    explicit Programa(Desktop& desktop, Ventana* oyente = nullptr)
        : azar([&desktop] { return desktop.clockReading(); }), frmQuelvar(modulo, desktop, ventana, azar),
          frmAcercaDe(desktop, ventana) {
        if (oyente) ventana.escuchar(*oyente);
    }

    Module1 modulo;
    RelevoVentana ventana;
    AzarReloj azar;
    FrmQuelvar frmQuelvar;
    FrmBorrar& frmBorrar = frmQuelvar.frmBorrar(); // the main window owns it
    FrmAcercaDe frmAcercaDe;
};

} // namespace quelvar
