#include "ticket/FinSorteo.h"

namespace quelvar {

void FinSorteo::terminarSorteo() {
    for (Temporizador* t : {&c.Timer2, &c.Timer3, &c.Timer5, &c.Timer6})
        t->habilitar(false);
    if (c.Timer4.Enabled) terminarPasoEstrellas();
    for (int b = 1; b <= Apuestas; ++b)
        apagarTablero(b);
    m.CeldaSorteo = 0;
    m.LlenandoNumeros = false;
    m.LlenandoEstrellas = false;
}

void FinSorteo::iniciarPasoEstrellas(int b) {
    apuestaDelPaso_ = c.mnuApMul.Checked ? 1 : b;
    c.Timer4.habilitar(true);
}

// However the star step ends, the blink must not outlive it.
void FinSorteo::terminarPasoEstrellas() {
    const int b = apuestaDelPaso_;
    c.Timer4.habilitar(false);
    if (b >= 1 && b <= Apuestas) pintarEstrellas(b);
    m.PasoEstrellas = 0;
    m.FaltanEstrellas = false;
}

void FinSorteo::pintarEstrellas(int b) {
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Celda& celda = c.tablero[b].lblEstrella[k];
        bool elegida = false;
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            elegida = elegida || m.Estrellas[b][s].matches(celda.Caption);
        celda.aplicar(elegida ? LookSeleccionada : LookLibre);
    }
}

void FinSorteo::apagarTablero(int b) {
    for (int k = 1; k <= NumerosPorTablero; ++k)
        if (c.tablero[b].lblNral[k].iluminada()) c.tablero[b].lblNral[k].aplicar(LookLibre);
}

} // namespace quelvar
