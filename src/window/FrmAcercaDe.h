#pragma once

#include "base/Desktop.h"
#include "base/Ventana.h"

#include <array>
#include <string>

namespace quelvar {

// The about box: text lines, a mail link and a web link.
class FrmAcercaDe {
public:
    FrmAcercaDe(Desktop& desktop, Ventana& ventana);

    std::string Caption;
    std::array<std::string, 4> Label1; // Label1(2) is the version line
    std::string lblMailto;
    std::string lblVinc;

    void lblMailto_Click();
    void lblVinc_Click();
    void Form_KeyPress(int KeyAscii);

private:
    Desktop& desktop;
    Ventana& ventana;
};

} // namespace quelvar
