#include "window/Barra.h"

#include "window/FrmQuelvar.h"
#include "window/Layout.h"

#include <cmath>

namespace quelvar {

namespace {
constexpr int SinImagen = 11; // "Imprimir" has no raised picture
}

int Barra::posicionBarra(float X) {
    if (X < layout::BarraInicio) return 0;
    // Rounded half to even, as the conversion to a whole number does.
    const long entero = std::lrint(static_cast<double>(X) - layout::BarraInicio);
    return static_cast<int>(entero / layout::BarraPaso) + 1;
}

void Barra::pTools_MouseMove(int, int, float X, float) {
    const int k = posicionBarra(X);
    if (k == c.BotonActual) return;
    c.imRaised.Picture = 0;
    c.BotonActual = k;
    if (k >= 1 && k <= layout::BarraBotones && k != SinImagen) {
        c.imRaised.Left = layout::BarraInicio + layout::BarraPaso * (k - 1);
        c.imRaised.Picture = k;
    }
}

void Barra::Form_MouseMove(int, int, float, float) {
    if (c.BotonActual == 0) return;
    c.BotonActual = 0;
    c.imRaised.Picture = 0;
}

void Barra::pTools_Click() {
    if (!c.BarraActiva) return;
    switch (c.BotonActual) {
    case 1: frm.mnuAbrir_Click(); break;
    case 2:
        if (c.mnuGuardar.Enabled) frm.mnuGuardar_Click();
        break;
    case 3:
        if (c.mnuGuardarComo.Enabled) frm.mnuGuardarComo_Click();
        break;
    case 4:
        if (c.mnuCerrar.Enabled) frm.mnuCerrar_Click();
        break;
    case 5: frm.mnuSalir_Click(); break;
    case 6: frm.mnuApSen_Click(); break;
    case 7: frm.mnuApMul_Click(); break;
    case 8: frm.mnuApAleatoria_Click(); break;
    case 9: frm.mnuApManual_Click(); break;
    case 10:
        if (c.mnuBorrar.Enabled) frm.mnuBorrar_Click();
        break;
    case 12: frm.mnuAcercaDe_Click(); break;
    default: break;
    }
    c.BotonActual = 0;
    c.imRaised.Picture = 0;
}

} // namespace quelvar
