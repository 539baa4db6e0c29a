#pragma once

#include "ticket/Controles.h"
#include "ticket/FinSorteo.h"
#include "ticket/Module1.h"

namespace quelvar {

// Procedures that set slots and cell looks together: clearing the boards
// (a running draw ends first), loading a bet read from a file, closing gaps
// in the multiple bet.
class Tableros {
public:
    Tableros(Module1& modulo, ControlesQuelvar& controles, FinSorteo& fin) : m(modulo), c(controles), fin(fin) {}

    void LimpiarTableros();
    void CargarApuesta1() { cargarApuesta(1); }
    void CargarApuesta2() { cargarApuesta(2); }
    void CargarApuesta3() { cargarApuesta(3); }
    void CargarApuesta4() { cargarApuesta(4); }
    void CargarApuesta5() { cargarApuesta(5); }
    void CompactarMultiple();

    // The free look for board b's number cells, then its star cells.
    void vaciarTablero(int b);
    // Ends the size chooser's blink: wherever the chooser is repainted from
    // the ticket, so that no later tick inverts the new looks.
    void pararParpadeo();

    // Whether the number (or star) of cell k of board b is in its bet: what
    // a screen reader is told, whatever look a sweep or a blink gives the
    // cell meanwhile. Boards 2 to 5 hold nothing of a multiple bet.
    bool enApuesta(int b, bool estrella, int k) const;

private:
    void cargarApuesta(int n);

    Module1& m;
    ControlesQuelvar& c;
    FinSorteo& fin;
};

} // namespace quelvar
