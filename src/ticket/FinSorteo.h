#pragma once

#include "ticket/Controles.h"
#include "ticket/Module1.h"

namespace quelvar {

// A running draw's hold on the ticket and its end: the bet the star step
// fills, its start and end, and the end of the whole draw, which clearing
// the boards needs as much as the draw does.
class FinSorteo {
public:
    FinSorteo(Module1& modulo, ControlesQuelvar& controles) : m(modulo), c(controles) {}

    // Ends whatever draw runs, star step included: no timer of it may tick
    // into a later one, no cell stays lit and the cells take clicks again.
    // The window's menus and button are left to the caller.
    void terminarSorteo();
    // The star step fills the bet it starts on, whatever bet a click makes
    // current meanwhile; the multiple bet keeps its stars in bet 1.
    void iniciarPasoEstrellas(int b);
    void terminarPasoEstrellas();
    int apuestaDelPaso() const { return apuestaDelPaso_; }
    // Board b's lit number cells back to free.
    void apagarTablero(int b);

private:
    // Shows bet b's stars exactly as the bet holds them.
    void pintarEstrellas(int b);

    Module1& m;
    ControlesQuelvar& c;
    int apuestaDelPaso_ = 1;
};

} // namespace quelvar
