#pragma once

#include "ticket/Looks.h"

#include <string>

namespace quelvar {

// Plain-data controls of the form models. The shell draws them; the core
// decides everything about them.

struct Celda {
    std::string Caption;
    Color ForeColor = LookLibre.fore;
    Color BackColor = LookLibre.back;

    // Text colour first, background second, as every look is applied.
    void aplicar(Look look) {
        ForeColor = look.fore;
        BackColor = look.back;
    }
    bool seleccionada() const { return BackColor == Rojo; }
    bool libre() const { return BackColor == Blanco; }
    bool iluminada() const { return BackColor == RojoClaro; }
};

struct ItemMenu {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
    std::string Shortcut; // in portable text form ("Ctrl+A", "F5"); empty for none
    bool separador = false;
};

struct Boton {
    std::string Caption;
    bool Enabled = true;
};

struct Casilla {
    std::string Caption;
    bool Enabled = true;
    int Value = 0; // 1 checked, 0 not
};

// A window-system timer. Enabling a stopped timer starts a new interval; the
// shell notices through `arranques` and restarts its own timer to match.
struct Temporizador {
    int Interval = 0;
    bool Enabled = false;
    unsigned arranques = 0;

    void habilitar(bool on) {
        if (on && !Enabled) ++arranques;
        Enabled = on;
    }
};

} // namespace quelvar
