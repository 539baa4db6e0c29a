#pragma once

#include "ticket/Module1.h"
#include "window/Controls.h"

namespace quelvar {

class FrmQuelvar;

// The delete-bets dialog: one check box a bet, "Aceptar" clears the checked
// ones.
class FrmBorrar {
public:
    FrmBorrar(Module1& modulo, FrmQuelvar& principal);

    std::string Caption;
    Base1<Casilla, Apuestas> Check; // Check[1] is Check1
    Boton cmdAceptar, cmdCancelar;
    Base1<bool, Apuestas> ConDatos{};
    // Open between Form_Load and the first handler that unloads it.
    bool abierto = false;

    // Loading gives the controls their design-time state.
    void Form_Load();
    void Form_Activate();
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void Form_KeyPress(int KeyAscii);

    void BorrarApuesta1();
    void BorrarApuesta2();
    void BorrarApuesta3();
    void BorrarApuesta4();
    void BorrarApuesta5();

private:
    void borrarApuesta(int n);
    void borrarMultiple();
    void vaciarTablero(int n);
    void Unload() { abierto = false; }

    Module1& m;
    FrmQuelvar& frm;
};

} // namespace quelvar
