#pragma once

#include "window/Controls.h"
#include "window/Desktop.h"

#include <array>
#include <string>

namespace quelvar {

// The about box: text lines, a mail link and a web link.
class FrmAcercaDe {
public:
    explicit FrmAcercaDe(Desktop& desktop);

    std::string Caption;
    std::array<std::string, 4> Label1; // Label1(2) is the version line
    std::string lblMailto;
    std::string lblVinc;
    bool abierto = false;

    void Form_Load() { abierto = true; }
    void lblMailto_Click();
    void lblVinc_Click();
    void Form_KeyPress(int KeyAscii);

private:
    Desktop& desktop;
};

} // namespace quelvar
