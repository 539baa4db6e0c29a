#pragma once

#include "base/Ventana.h"
#include "ticket/Controles.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

namespace quelvar {

// The delete-bets dialog: one check box a bet, "Aceptar" clears the checked
// ones.
class FrmBorrar {
public:
    FrmBorrar(Module1& modulo, ControlesQuelvar& principal, Tableros& tableros, FinSorteo& fin, Ventana& ventana);

    std::string Caption;
    Base1<Casilla, Apuestas> Check; // Check[1] is Check1
    Boton cmdAceptar, cmdCancelar;
    Base1<bool, Apuestas> ConDatos{};

    // Loading gives the controls their design-time state.
    void Form_Load();
    void Form_Activate();
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void Form_KeyPress(int KeyAscii);

    void BorrarApuesta1() { borrarApuesta(1); }
    void BorrarApuesta2() { borrarApuesta(2); }
    void BorrarApuesta3() { borrarApuesta(3); }
    void BorrarApuesta4() { borrarApuesta(4); }
    void BorrarApuesta5() { borrarApuesta(5); }

private:
    void borrarApuesta(int n);
    void borrarMultiple();
    void Unload() { ventana.cerrarDialogo(Formulario::Borrar); }

    Module1& m;
    ControlesQuelvar& frm;
    Tableros& tableros;
    FinSorteo& fin;
    Ventana& ventana;
};

} // namespace quelvar
