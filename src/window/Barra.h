#pragma once

#include "ticket/Controles.h"

namespace quelvar {

class FrmQuelvar;

// The toolbar: a raised picture follows the mouse over twelve positions, and
// a click runs the command of the position, as its menu item does.
class Barra {
public:
    Barra(ControlesQuelvar& controles, FrmQuelvar& frm) : c(controles), frm(frm) {}

    void pTools_MouseMove(int Button, int Shift, float X, float Y);
    void pTools_Click();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    // The toolbar position under a point, X in twips: 0 left of the first.
    static int posicionBarra(float X);
    // Whether a click on position k would run its command now.
    bool actuaria(int k) const;

private:
    ControlesQuelvar& c;
    FrmQuelvar& frm;
};

} // namespace quelvar
