#pragma once

#include "ticket/Controles.h"
#include "ticket/Module1.h"

namespace quelvar {

// Procedures that set slots and cell looks together: clearing the boards,
// loading a bet read from a file, closing gaps in the multiple bet, and
// ending a draw, which clearing the boards needs as much as the draw does.
class Tableros {
public:
    Tableros(Module1& modulo, ControlesQuelvar& controles) : m(modulo), c(controles) {}

    void LimpiarTableros();
    void CargarApuesta1() { cargarApuesta(1); }
    void CargarApuesta2() { cargarApuesta(2); }
    void CargarApuesta3() { cargarApuesta(3); }
    void CargarApuesta4() { cargarApuesta(4); }
    void CargarApuesta5() { cargarApuesta(5); }
    void CompactarMultiple();

    // Ends whatever draw runs, star step included: no timer of it may tick
    // into a later one, no cell stays lit and the cells take clicks again.
    // The window's menus and button are left to the caller.
    void terminarSorteo();
    // The star step fills the bet it starts on, whatever bet a click makes
    // current meanwhile; the multiple bet keeps its stars in bet 1.
    void iniciarPasoEstrellas(int b);
    void terminarPasoEstrellas();
    int apuestaDelPaso() const { return apuestaDelPaso_; }

    // Shows bet b's stars exactly as the bet holds them.
    void pintarEstrellas(int b);
    // Board b's lit number cells back to free.
    void apagarTablero(int b);
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
    int apuestaDelPaso_ = 1;
};

} // namespace quelvar
