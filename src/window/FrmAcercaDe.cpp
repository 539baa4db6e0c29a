#include "window/FrmAcercaDe.h"

#include "window/Texts.h"

namespace quelvar {

namespace {
constexpr int TeclaEscape = 27;
}

FrmAcercaDe::FrmAcercaDe(Desktop& desk) : desktop(desk) {
    Caption = textos::TituloAcercaDe;
    Label1 = {textos::LineaNombre, textos::LineaDescripcion, textos::Version, textos::LineaDerechos};
    lblMailto = textos::ContactarAutor;
    lblVinc = textos::PaginaWeb;
}

void FrmAcercaDe::lblMailto_Click() {
    std::string address = textos::CorreoAutor;
    // Parameters are collected as "&name=value" pieces; the first ampersand
    // becomes the question mark.
    std::string parameters;
    parameters += "&Subject=";
    parameters += textos::AsuntoCorreo;
    address = "mailto:" + address;
    if (!parameters.empty()) parameters[0] = '?';
    address += parameters;
    if (!address.empty()) desktop.shellOpen("open", address);
}

void FrmAcercaDe::lblVinc_Click() { desktop.shellOpen("Open", textos::PaginaWeb); }

void FrmAcercaDe::Form_KeyPress(int KeyAscii) {
    if (KeyAscii == TeclaEscape) abierto = false;
}

} // namespace quelvar
