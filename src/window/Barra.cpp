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

bool Barra::actuaria(int k) const {
    if (!c.BarraActiva) return false;
    switch (k) {
    case 1:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 12: return true;
    case 2: return c.mnuGuardar.Enabled;
    case 3: return c.mnuGuardarComo.Enabled;
    case 4: return c.mnuCerrar.Enabled;
    case 10: return c.mnuBorrar.Enabled;
    default: return false; // "Imprimir" runs nothing
    }
}

void Barra::pTools_Click() {
    if (!c.BarraActiva) return;
    if (actuaria(c.BotonActual)) {
        switch (c.BotonActual) {
        case 1: frm.mnuAbrir_Click(); break;
        case 2: frm.mnuGuardar_Click(); break;
        case 3: frm.mnuGuardarComo_Click(); break;
        case 4: frm.mnuCerrar_Click(); break;
        case 5: frm.mnuSalir_Click(); break;
        case 6: frm.mnuApSen_Click(); break;
        case 7: frm.mnuApMul_Click(); break;
        case 8: frm.mnuApAleatoria_Click(); break;
        case 9: frm.mnuApManual_Click(); break;
        case 10: frm.mnuBorrar_Click(); break;
        case 12: frm.mnuAcercaDe_Click(); break;
        default: break;
        }
    }
    c.BotonActual = 0;
    c.imRaised.Picture = 0;
}

} // namespace quelvar
