#pragma once

#include "base/Ventana.h"
#include "ticket/Looks.h"
#include "ticket/Module1.h"

#include <array>
#include <string>

namespace quelvar {

// Plain-data controls of the forms. The shell draws them; the core decides
// everything about them.

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

// A window-system timer. Enabling a stopped timer starts a new interval and
// disabling a running one stops it; the window is asked for either.
struct Temporizador {
    int Interval = 0;
    bool Enabled = false;
    int numero = 0;
    Ventana* ventana = nullptr;

    void habilitar(bool on) {
        if (on == Enabled) return;
        Enabled = on;
        if (ventana) ventana->temporizador(numero, on);
    }
};

// The main window's controls. Every subsystem works on them by reference;
// the form that owns them is built on top.
struct ControlesQuelvar {
    struct Tablero {
        Base1<Celda, NumerosPorTablero> lblNral;
        Base1<Celda, EstrellasPorTablero> lblEstrella;
    };
    // The toolbar's raised picture, in twips within pTools.
    struct Imagen {
        int Left = 270;
        int Top = 30;
        int Picture = 0; // the raised picture of that toolbar position, 0 none
    };

    ControlesQuelvar();

    Base1<Tablero, Apuestas> tablero;               // tablero[2].lblNral[7] is lblNral2(7)
    std::array<Celda, MaximoMultiple + 1> lblApmul; // indexes 6..10
    Boton cmdApuesta;
    std::string Caption;
    bool BarraActiva = false;
    int BotonActual = 0; // the toolbar position shown raised, 0 none
    Imagen imRaised;

    ItemMenu mnuArchivo, mnuAbrir, mnuGuardar, mnuGuardarComo, mnuCerrar, sep1, mnuSalir;
    ItemMenu mnuApuesta, mnuApSen, mnuApMul, msep3, mnuApAleatoria, mnuApManual, sep2, mnuBorrar;
    ItemMenu mnuImprimir, mnuImpBoleto, mnuAyuda, mnuAcercaDe;

    Temporizador Timer1, Timer2, Timer3, Timer4, Timer5, Timer6;
};

} // namespace quelvar
