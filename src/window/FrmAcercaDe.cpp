#include "window/FrmAcercaDe.h"

#include "base/Teclas.h"
#include "base/Textos.h"

namespace quelvar {

FrmAcercaDe::FrmAcercaDe(Desktop& desk, Ventana& ventana) : desktop(desk), ventana(ventana) {
    Caption = textos::TituloAcercaDe;
    Label1 = {textos::LineaNombre, textos::LineaDescripcion, textos::Version, textos::LineaDerechos};
    lblMailto = textos::ContactarAutor;
    lblVinc = textos::PaginaWeb;
}

void FrmAcercaDe::lblMailto_Click() {
    std::string direccion = textos::CorreoAutor;
    // Parameters are collected as "&name=value" pieces; the first ampersand
    // becomes the question mark.
    std::string parametros;
    parametros += "&Subject=";
    parametros += textos::AsuntoCorreo;
    direccion = "mailto:" + direccion;
    if (!parametros.empty()) parametros[0] = '?';
    direccion += parametros;
    if (!direccion.empty()) desktop.shellOpen("open", direccion);
}

void FrmAcercaDe::lblVinc_Click() { desktop.shellOpen("Open", textos::PaginaWeb); }

void FrmAcercaDe::Form_KeyPress(int KeyAscii) {
    if (KeyAscii == TeclaEscape) ventana.cerrarDialogo(Formulario::AcercaDe);
}

} // namespace quelvar
