#include "ticket/Grupos.h"

namespace quelvar {

void GruposControl::habilitarComandos(bool on) {
    c.BarraActiva = on;
    c.mnuArchivo.Enabled = on;
    c.mnuApuesta.Enabled = on;
    c.mnuImprimir.Enabled = on;
    c.mnuAyuda.Enabled = on;
}

void GruposControl::bloquearVentana() {
    c.cmdApuesta.Enabled = false;
    habilitarComandos(false);
}

void GruposControl::liberarVentana() { habilitarComandos(true); }

void GruposControl::habilitarMenusBoleto() {
    c.mnuGuardar.Enabled = true;
    c.mnuGuardarComo.Enabled = true;
    c.mnuCerrar.Enabled = true;
    c.mnuBorrar.Enabled = true;
}

void GruposControl::marcarModificado() {
    m.Modificado = true;
    habilitarMenusBoleto();
}

bool GruposControl::enfocarBoton() {
    if (!c.cmdApuesta.Enabled) return false;
    ventana.enfocarBoton();
    return true;
}

} // namespace quelvar
