#pragma once

#include "base/Desktop.h"
#include "ticket/Controles.h"
#include "ticket/Grupos.h"
#include "ticket/Module1.h"

namespace quelvar {

// Selecting and deselecting numbers and stars by clicking the boards.
class Seleccion {
public:
    Seleccion(Module1& modulo, ControlesQuelvar& controles, GruposControl& grupos, Desktop& desktop)
        : m(modulo), c(controles), grupos(grupos), desktop(desktop) {}

    void lblNral_Click(int Index) { clickNumeroTablero1(Index); }
    void lblNral2_Click(int Index) { clickNumeroTableroN(2, Index); }
    void lblNral3_Click(int Index) { clickNumeroTableroN(3, Index); }
    void lblNral4_Click(int Index) { clickNumeroTableroN(4, Index); }
    void lblNral5_Click(int Index) { clickNumeroTableroN(5, Index); }
    void lblEstrella_Click(int Index) { clickEstrellaTablero1(Index); }
    void lblEstrella2_Click(int Index) { clickEstrellaTableroN(2, Index); }
    void lblEstrella3_Click(int Index) { clickEstrellaTableroN(3, Index); }
    void lblEstrella4_Click(int Index) { clickEstrellaTableroN(4, Index); }
    void lblEstrella5_Click(int Index) { clickEstrellaTableroN(5, Index); }
    // By board, with any indices: those off the board do nothing.
    void clickNumero(int n, int index);
    void clickEstrella(int n, int index);

    void ControlarNumeros();
    void ControlarEstrellas();

private:
    void clickNumeroTablero1(int index);
    void clickNumeroTableroN(int n, int index);
    void clickEstrellaTablero1(int index);
    void clickEstrellaTableroN(int n, int index);
    bool preguntarModoManual();
    bool faltaCantidad();
    void liberarTrasClic();
    void alternarCelda(Celda& celda, Slot* slots, int hasta, bool& lugar, void (Seleccion::*controlar)(),
                       bool liberarPorHueco);

    Module1& m;
    ControlesQuelvar& c;
    GruposControl& grupos;
    Desktop& desktop;
};

} // namespace quelvar
