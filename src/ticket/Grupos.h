#pragma once

#include "base/Ventana.h"
#include "ticket/Controles.h"
#include "ticket/Module1.h"

namespace quelvar {

// The control groups: what the handlers switch together.
class GruposControl {
public:
    GruposControl(Module1& modulo, ControlesQuelvar& controles, Ventana& ventana)
        : m(modulo), c(controles), ventana(ventana) {}

    // The window lock: the button and the command menus off.
    void bloquearVentana();
    // The window release: the command menus and the toolbar back on.
    void liberarVentana();
    void marcarModificado();
    // Asks for the button's focus; false when it is disabled and cannot take it.
    bool enfocarBoton();

private:
    // The four command menus, with the toolbar.
    void habilitarComandos(bool on);
    // Save, save as, close and delete: usable once the ticket holds anything.
    void habilitarMenusBoleto();

    Module1& m;
    ControlesQuelvar& c;
    Ventana& ventana;
};

} // namespace quelvar
