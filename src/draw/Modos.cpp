// Play modes: the attention blink of the size chooser.

#include "window/FrmQuelvar.h"

namespace quelvar {

namespace {
constexpr int PasosParpadeo = 6; // three flashes; the chooser ends as it started
}

void FrmQuelvar::Timer1_Timer() {
    ++m.PasoParpadeo;
    for (int i = MinimoMultiple; i <= MaximoMultiple; ++i) {
        if (lblApmul[i].seleccionada())
            lblApmul[i].aplicar(LookLibre);
        else if (lblApmul[i].libre())
            lblApmul[i].aplicar(LookSeleccionada);
    }
    if (m.PasoParpadeo == PasosParpadeo) {
        m.PasoParpadeo = 0;
        Timer1.habilitar(false);
    }
}

} // namespace quelvar
