#pragma once

#include "base/Desktop.h"
#include "betfile/Comandos.h"
#include "ticket/Controles.h"
#include "ticket/Grupos.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

namespace quelvar {

// Play modes: the bet shape, the filling mode, the size of the multiple bet
// and the attention blink of the size chooser.
class Modos {
public:
    Modos(Module1& modulo, ControlesQuelvar& controles, Tableros& tableros, GruposControl& grupos,
          ComandosArchivo& comandos, Desktop& desktop)
        : m(modulo), c(controles), tableros(tableros), grupos(grupos), comandos(comandos), desktop(desktop) {}

    void mnuApSen_Click();
    void mnuApMul_Click();
    void mnuApAleatoria_Click();
    void mnuApManual_Click();
    void lblApmul_Click(int Index);
    void Timer1_Timer();

private:
    void cambiarForma(bool multiple);
    bool vaciarConPermiso(const char* titulo);

    Module1& m;
    ControlesQuelvar& c;
    Tableros& tableros;
    GruposControl& grupos;
    ComandosArchivo& comandos;
    Desktop& desktop;
};

} // namespace quelvar
