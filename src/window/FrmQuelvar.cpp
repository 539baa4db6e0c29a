#include "window/FrmQuelvar.h"

#include "window/Texts.h"

namespace quelvar {

namespace {
constexpr int IntervaloParpadeo = 250;
constexpr int IntervaloBarrido = 10;
constexpr int IntervaloEstrellas = 250;

ItemMenu itemMenu(const char* caption, const char* shortcut = "", bool enabled = true, bool checked = false) {
    return ItemMenu{caption, enabled, checked, shortcut, false};
}
ItemMenu separador() { return ItemMenu{"", true, false, "", true}; }
} // namespace

const std::vector<FrmQuelvar::EntradaMenu>& FrmQuelvar::arbolMenu() {
    static const std::vector<EntradaMenu> arbol = {
        {Menu::mnuArchivo, &FrmQuelvar::mnuArchivo, true},
        {Menu::mnuAbrir, &FrmQuelvar::mnuAbrir, false},
        {Menu::mnuGuardar, &FrmQuelvar::mnuGuardar, false},
        {Menu::mnuGuardarComo, &FrmQuelvar::mnuGuardarComo, false},
        {Menu::mnuCerrar, &FrmQuelvar::mnuCerrar, false},
        {Menu::sep1, &FrmQuelvar::sep1, false},
        {Menu::mnuSalir, &FrmQuelvar::mnuSalir, false},
        {Menu::mnuApuesta, &FrmQuelvar::mnuApuesta, true},
        {Menu::mnuApSen, &FrmQuelvar::mnuApSen, false},
        {Menu::mnuApMul, &FrmQuelvar::mnuApMul, false},
        {Menu::msep3, &FrmQuelvar::msep3, false},
        {Menu::mnuApAleatoria, &FrmQuelvar::mnuApAleatoria, false},
        {Menu::mnuApManual, &FrmQuelvar::mnuApManual, false},
        {Menu::sep2, &FrmQuelvar::sep2, false},
        {Menu::mnuBorrar, &FrmQuelvar::mnuBorrar, false},
        {Menu::mnuImprimir, &FrmQuelvar::mnuImprimir, true},
        {Menu::mnuImpBoleto, &FrmQuelvar::mnuImpBoleto, false},
        {Menu::mnuAyuda, &FrmQuelvar::mnuAyuda, true},
        {Menu::mnuAcercaDe, &FrmQuelvar::mnuAcercaDe, false},
    };
    return arbol;
}

FrmQuelvar::FrmQuelvar(Module1& modulo, Desktop& desk)
    : mnuArchivo(itemMenu(textos::Archivo)), mnuAbrir(itemMenu(textos::AbrirApuesta, "Ctrl+A")),
      mnuGuardar(itemMenu(textos::GuardarApuesta, "Ctrl+G", false)),
      mnuGuardarComo(itemMenu(textos::GuardarApuestaComo, "Ctrl+C", false)),
      mnuCerrar(itemMenu(textos::Cerrar, "Ctrl+E", false)), sep1(separador()),
      mnuSalir(itemMenu(textos::Salir, "Ctrl+S")), mnuApuesta(itemMenu(textos::ApuestasMenu)),
      mnuApSen(itemMenu(textos::ApuestasSencillas, "F5", true, true)),
      mnuApMul(itemMenu(textos::ApuestaMultiple, "F6")), msep3(separador()),
      mnuApAleatoria(itemMenu(textos::ApuestaAleatoria, "", true, true)), mnuApManual(itemMenu(textos::ApuestaManual)),
      sep2(separador()), mnuBorrar(itemMenu(textos::BorrarApuestas, "Ctrl+X", false)),
      mnuImprimir(itemMenu(textos::Imprimir)), mnuImpBoleto(itemMenu(textos::ImprimirBoleto, "", false)),
      mnuAyuda(itemMenu(textos::Ayuda)),
      mnuAcercaDe(itemMenu(textos::AcercaDe)), Timer1{IntervaloParpadeo}, Timer2{IntervaloBarrido},
      Timer3{IntervaloBarrido}, Timer4{IntervaloEstrellas}, Timer5{IntervaloBarrido}, Timer6{IntervaloBarrido},
      m(modulo), desktop(desk) {
    for (int b = 1; b <= Apuestas; ++b) {
        for (int k = 1; k <= NumerosPorTablero; ++k)
            tablero[b].lblNral[k].Caption = std::to_string(k);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            tablero[b].lblEstrella[k].Caption = std::to_string(k);
    }
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        lblApmul[k].Caption = std::to_string(k);
    cmdApuesta.Caption = textos::BotonSencillas;
    Caption = textos::Titulo;
}

ItemMenu& FrmQuelvar::item(Menu id) {
    for (const auto& e : arbolMenu())
        if (e.id == id) return this->*e.item;
    return mnuArchivo; // unreachable: every id is in the tree
}

bool FrmQuelvar::activo(Menu id) {
    const EntradaMenu* padre = nullptr;
    for (const auto& e : arbolMenu()) {
        if (e.principal) padre = &e;
        if (e.id != id) continue;
        const ItemMenu& it = this->*e.item;
        if (it.separador || !it.Enabled) return false;
        return e.principal || (this->*padre->item).Enabled;
    }
    return false;
}

void FrmQuelvar::menuClick(Menu id) {
    if (!activo(id)) return;
    switch (id) {
    case Menu::mnuAbrir: mnuAbrir_Click(); break;
    case Menu::mnuGuardar: mnuGuardar_Click(); break;
    case Menu::mnuGuardarComo: mnuGuardarComo_Click(); break;
    case Menu::mnuCerrar: mnuCerrar_Click(); break;
    case Menu::mnuSalir: mnuSalir_Click(); break;
    case Menu::mnuApSen: mnuApSen_Click(); break;
    case Menu::mnuApMul: mnuApMul_Click(); break;
    case Menu::mnuApAleatoria: mnuApAleatoria_Click(); break;
    case Menu::mnuApManual: mnuApManual_Click(); break;
    case Menu::mnuBorrar: mnuBorrar_Click(); break;
    case Menu::mnuAcercaDe: mnuAcercaDe_Click(); break;
    default: break; // the remaining commands arrive with their subsystems
    }
}

bool FrmQuelvar::Form_Load() {
    if (desktop.anotherInstanceRunning()) {
        desktop.messageBox(textos::OtraInstancia, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
        return false;
    }
    m.HayLugarNumero = true;
    m.HayLugarEstrella = true;
    m.ApuestaActual = 1;
    m.Modificado = false;
    m.FaltanEstrellas = false;
    liberarVentana();
    Caption = std::string(textos::Titulo) + textos::SufijoInicio;
    return true;
}

void FrmQuelvar::habilitarComandos(bool on) {
    BarraActiva = on;
    mnuArchivo.Enabled = on;
    mnuApuesta.Enabled = on;
    mnuImprimir.Enabled = on;
    mnuAyuda.Enabled = on;
}

void FrmQuelvar::bloquearVentana() {
    cmdApuesta.Enabled = false;
    habilitarComandos(false);
}

void FrmQuelvar::liberarVentana() { habilitarComandos(true); }

void FrmQuelvar::habilitarMenusBoleto() {
    mnuGuardar.Enabled = true;
    mnuGuardarComo.Enabled = true;
    mnuCerrar.Enabled = true;
    mnuBorrar.Enabled = true;
}

void FrmQuelvar::marcarModificado() {
    m.Modificado = true;
    habilitarMenusBoleto();
}

void FrmQuelvar::pararParpadeo() {
    Timer1.habilitar(false);
    m.PasoParpadeo = 0;
}

bool FrmQuelvar::enfocarBoton() {
    if (!cmdApuesta.Enabled) return false;
    ++pedidosFoco;
    return true;
}

} // namespace quelvar
