#pragma once

#include "base/Desktop.h"
#include "draw/Azar.h"
#include "ticket/Controles.h"
#include "ticket/Grupos.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

namespace quelvar {

// The animated random draw. The button's click handler is the one routine
// that starts or continues a draw; the timers call it after every step.
class Sorteo {
public:
    Sorteo(Module1& modulo, ControlesQuelvar& controles, Tableros& tableros, FinSorteo& fin, GruposControl& grupos,
           Desktop& desktop, Azar& azar)
        : m(modulo), c(controles), tableros(tableros), fin(fin), grupos(grupos), desktop(desktop), azar(&azar) {}

    void cmdApuesta_Click();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void usarAzar(Azar& otro) { azar = &otro; }

private:
    void bloqueoSorteo();
    void liberarConBoton(bool foco);
    void liberarSinBoton();
    void cortarSorteoMultiple();
    void numerosMultipleCompletos();
    void avanzarCelda();
    bool pasoBarrido(int b, Temporizador& barrido, Temporizador& sorteo);
    int sortearNuevo(const Slot* fila, int hasta, int maximo);
    Celda* celdaNumero(int b, int k);

    Module1& m;
    ControlesQuelvar& c;
    Tableros& tableros;
    FinSorteo& fin;
    GruposControl& grupos;
    Desktop& desktop;
    Azar* azar;
};

} // namespace quelvar
