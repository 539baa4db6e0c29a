#pragma once

#include "ticket/Module1.h"
#include "window/FrmAcercaDe.h"
#include "window/FrmBorrar.h"
#include "window/FrmQuelvar.h"

namespace quelvar {

// The program object: the shared ticket state and the one instance of each
// window. Tests build a fresh one per case.
struct Programa {
    explicit Programa(Desktop& desktop)
        : azar([&desktop] { return desktop.clockReading(); }), frmQuelvar(modulo, desktop),
          frmBorrar(modulo, frmQuelvar), frmAcercaDe(desktop) {
        frmQuelvar.usarAzar(azar);
        frmQuelvar.usarBorrar(frmBorrar);
    }

    Module1 modulo;
    AzarReloj azar;
    FrmQuelvar frmQuelvar;
    FrmBorrar frmBorrar;
    FrmAcercaDe frmAcercaDe;
};

} // namespace quelvar
