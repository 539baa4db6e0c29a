#pragma once

#include "ticket/Module1.h"
#include "window/FrmQuelvar.h"

namespace quelvar {

// The program object: the shared ticket state and the one instance of each
// window. Tests build a fresh one per case.
struct Programa {
    explicit Programa(Desktop& desktop) : frmQuelvar(modulo, desktop) {}

    Module1 modulo;
    FrmQuelvar frmQuelvar;
};

} // namespace quelvar
