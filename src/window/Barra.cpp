#include "window/Barra.h"

#include "window/FrmQuelvar.h"
#include "window/Layout.h"

#include <array>
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

namespace {
// The command of each position, left to right: a click runs it as its menu
// item does, and only while that item would act.
using Menu = FrmQuelvar::Menu;
constexpr std::array<Menu, layout::BarraBotones> Comandos = {
    Menu::mnuAbrir, Menu::mnuGuardar,     Menu::mnuGuardarComo, Menu::mnuCerrar, Menu::mnuSalir,     Menu::mnuApSen,
    Menu::mnuApMul, Menu::mnuApAleatoria, Menu::mnuApManual,    Menu::mnuBorrar, Menu::mnuImpBoleto, Menu::mnuAcercaDe,
};
} // namespace

bool Barra::actuaria(int k) const {
    return c.BarraActiva && k >= 1 && k <= layout::BarraBotones && frm.activo(Comandos[std::size_t(k - 1)]);
}

void Barra::pTools_Click() {
    if (!c.BarraActiva) return;
    if (actuaria(c.BotonActual)) frm.menuClick(Comandos[std::size_t(c.BotonActual - 1)]);
    c.BotonActual = 0;
    c.imRaised.Picture = 0;
}

} // namespace quelvar
