// The toolbar: a raised picture follows the mouse over twelve positions, and
// a click runs the command of the position, as its menu item does.

#include "window/FrmBorrar.h"
#include "window/FrmQuelvar.h"
#include "window/Layout.h"

#include <cmath>

namespace quelvar {

namespace {
constexpr int SinImagen = 11; // "Imprimir" has no raised picture
}

int FrmQuelvar::posicionBarra(float X) {
    if (X < layout::BarraInicio) return 0;
    // Rounded half to even, as the conversion to a whole number does.
    const long whole = std::lrint(static_cast<double>(X) - layout::BarraInicio);
    return static_cast<int>(whole / layout::BarraPaso) + 1;
}

void FrmQuelvar::pTools_MouseMove(int, int, float X, float) {
    const int k = posicionBarra(X);
    if (k == BotonActual) return;
    imRaised.Picture = 0;
    BotonActual = k;
    if (k >= 1 && k <= layout::BarraBotones && k != SinImagen) {
        imRaised.Left = layout::BarraInicio + layout::BarraPaso * (k - 1);
        imRaised.Picture = k;
    }
}

void FrmQuelvar::Form_MouseMove(int, int, float, float) {
    if (BotonActual == 0) return;
    BotonActual = 0;
    imRaised.Picture = 0;
}

void FrmQuelvar::pTools_Click() {
    if (!BarraActiva) return;
    switch (BotonActual) {
    case 1: mnuAbrir_Click(); break;
    case 2:
        if (mnuGuardar.Enabled) mnuGuardar_Click();
        break;
    case 3:
        if (mnuGuardarComo.Enabled) mnuGuardarComo_Click();
        break;
    case 4:
        if (mnuCerrar.Enabled) mnuCerrar_Click();
        break;
    case 5: mnuSalir_Click(); break;
    case 6: mnuApSen_Click(); break;
    case 7: mnuApMul_Click(); break;
    case 8: mnuApAleatoria_Click(); break;
    case 9: mnuApManual_Click(); break;
    case 10:
        if (mnuBorrar.Enabled) mnuBorrar_Click();
        break;
    case 12: mnuAcercaDe_Click(); break;
    default: break;
    }
    BotonActual = 0;
    imRaised.Picture = 0;
}

void FrmQuelvar::mnuBorrar_Click() {
    frmBorrar_->Form_Load();
    desktop.showModal(Formulario::Borrar);
}

void FrmQuelvar::mnuAcercaDe_Click() { desktop.showModal(Formulario::AcercaDe); }

} // namespace quelvar
