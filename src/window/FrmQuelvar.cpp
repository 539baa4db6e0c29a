#include "window/FrmQuelvar.h"

#include "base/Textos.h"
#include "window/FrmBorrar.h"

namespace quelvar {

namespace {
constexpr int IntervaloParpadeo = 250;
constexpr int IntervaloBarrido = 10;
constexpr int IntervaloEstrellas = 250;

ItemMenu itemMenu(const char* caption, const char* atajo = "", bool enabled = true, bool checked = false) {
    return ItemMenu{caption, enabled, checked, atajo, false};
}
ItemMenu separador() { return ItemMenu{"", true, false, "", true}; }
} // namespace

// Each title and item with the character of its mnemonic, none repeated
// within a menu bar or a menu.
const std::vector<FrmQuelvar::EntradaMenu>& FrmQuelvar::arbolMenu() {
    static const std::vector<EntradaMenu> arbol = {
        {Menu::mnuArchivo, &FrmQuelvar::mnuArchivo, true, 0},
        {Menu::mnuAbrir, &FrmQuelvar::mnuAbrir, false, 0, &FrmQuelvar::mnuAbrir_Click},
        {Menu::mnuGuardar, &FrmQuelvar::mnuGuardar, false, 0, &FrmQuelvar::mnuGuardar_Click},
        {Menu::mnuGuardarComo, &FrmQuelvar::mnuGuardarComo, false, 16, &FrmQuelvar::mnuGuardarComo_Click},
        {Menu::mnuCerrar, &FrmQuelvar::mnuCerrar, false, 1, &FrmQuelvar::mnuCerrar_Click},
        {Menu::sep1, &FrmQuelvar::sep1, false},
        {Menu::mnuSalir, &FrmQuelvar::mnuSalir, false, 0, &FrmQuelvar::mnuSalir_Click},
        {Menu::mnuApuesta, &FrmQuelvar::mnuApuesta, true, 1},
        {Menu::mnuApSen, &FrmQuelvar::mnuApSen, false, 9, &FrmQuelvar::mnuApSen_Click},
        {Menu::mnuApMul, &FrmQuelvar::mnuApMul, false, 8, &FrmQuelvar::mnuApMul_Click},
        {Menu::msep3, &FrmQuelvar::msep3, false},
        {Menu::mnuApAleatoria, &FrmQuelvar::mnuApAleatoria, false, 9, &FrmQuelvar::mnuApAleatoria_Click},
        {Menu::mnuApManual, &FrmQuelvar::mnuApManual, false, 10, &FrmQuelvar::mnuApManual_Click},
        {Menu::sep2, &FrmQuelvar::sep2, false},
        {Menu::mnuBorrar, &FrmQuelvar::mnuBorrar, false, 0, &FrmQuelvar::mnuBorrar_Click},
        {Menu::mnuImprimir, &FrmQuelvar::mnuImprimir, true, 0},
        {Menu::mnuImpBoleto, &FrmQuelvar::mnuImpBoleto, false, 9},
        {Menu::mnuAyuda, &FrmQuelvar::mnuAyuda, true, 2},
        {Menu::mnuAcercaDe, &FrmQuelvar::mnuAcercaDe, false, 1, &FrmQuelvar::mnuAcercaDe_Click},
    };
    return arbol;
}

const std::array<FrmQuelvar::EntradaTemporizador, FrmQuelvar::Temporizadores>& FrmQuelvar::temporizadores() {
    static const std::array<EntradaTemporizador, Temporizadores> tabla = {{
        {1, &FrmQuelvar::Timer1, &FrmQuelvar::Timer1_Timer, IntervaloParpadeo},
        {2, &FrmQuelvar::Timer2, &FrmQuelvar::Timer2_Timer, IntervaloBarrido},
        {3, &FrmQuelvar::Timer3, &FrmQuelvar::Timer3_Timer, IntervaloBarrido},
        {4, &FrmQuelvar::Timer4, &FrmQuelvar::Timer4_Timer, IntervaloEstrellas},
        {5, &FrmQuelvar::Timer5, &FrmQuelvar::Timer5_Timer, IntervaloBarrido},
        {6, &FrmQuelvar::Timer6, &FrmQuelvar::Timer6_Timer, IntervaloBarrido},
    }};
    return tabla;
}

FrmQuelvar::FrmQuelvar(Module1& modulo, Desktop& desk, RelevoVentana& ventana, Azar& azar)
    : m(modulo), desktop(desk), ventana_(ventana), grupos_(modulo, *this, ventana), fin_(modulo, *this),
      tableros_(modulo, *this, fin_), seleccion_(modulo, *this, grupos_, desk), lector_(modulo, *this, tableros_),
      comandos_(modulo, *this, grupos_, tableros_, lector_, desk, ventana),
      modos_(modulo, *this, tableros_, grupos_, comandos_, desk),
      sorteo_(modulo, *this, tableros_, fin_, grupos_, desk, azar), barra_(*this, *this),
      frmBorrar_(modulo, *this, tableros_, fin_, ventana) {
    mnuArchivo = itemMenu(textos::Archivo);
    mnuAbrir = itemMenu(textos::AbrirApuesta, "Ctrl+A");
    mnuGuardar = itemMenu(textos::GuardarApuesta, "Ctrl+G", false);
    mnuGuardarComo = itemMenu(textos::GuardarApuestaComo, "Ctrl+C", false);
    mnuCerrar = itemMenu(textos::Cerrar, "Ctrl+E", false);
    sep1 = separador();
    mnuSalir = itemMenu(textos::Salir, "Ctrl+S");
    mnuApuesta = itemMenu(textos::ApuestasMenu);
    mnuApSen = itemMenu(textos::ApuestasSencillas, "F5", true, true);
    mnuApMul = itemMenu(textos::ApuestaMultiple, "F6");
    msep3 = separador();
    mnuApAleatoria = itemMenu(textos::ApuestaAleatoria, "", true, true);
    mnuApManual = itemMenu(textos::ApuestaManual);
    sep2 = separador();
    mnuBorrar = itemMenu(textos::BorrarApuestas, "Ctrl+X", false);
    mnuImprimir = itemMenu(textos::Imprimir);
    mnuImpBoleto = itemMenu(textos::ImprimirBoleto, "", false);
    mnuAyuda = itemMenu(textos::Ayuda);
    mnuAcercaDe = itemMenu(textos::AcercaDe);
    for (const EntradaTemporizador& t : temporizadores())
        this->*t.control = Temporizador{t.intervalo, false, t.numero, &ventana};
}

ItemMenu& FrmQuelvar::item(Menu id) {
    for (const auto& e : arbolMenu())
        if (e.id == id) return this->*e.item;
    return mnuArchivo; // unreachable: every id is in the tree
}

bool FrmQuelvar::activo(Menu id) const {
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
    for (const auto& e : arbolMenu())
        if (e.id == id && e.accion) (this->*e.accion)();
}

bool FrmQuelvar::Form_Load() {
    if (desktop.anotherInstanceRunning()) {
        // A file to open goes to the window already open, which shows it.
        if (const auto archivo = desktop.startFile(); archivo && desktop.handOver(*archivo)) return false;
        desktop.messageBox(textos::OtraInstancia, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
        return false;
    }
    m.HayLugarNumero = true;
    m.HayLugarEstrella = true;
    m.ApuestaActual = 1;
    m.Modificado = false;
    m.FaltanEstrellas = false;
    grupos_.liberarVentana();
    Caption = std::string(textos::Titulo) + textos::SufijoInicio;
    return true;
}

void FrmQuelvar::mnuBorrar_Click() {
    frmBorrar_.Form_Load();
    desktop.showModal(Formulario::Borrar);
}

void FrmQuelvar::mnuAcercaDe_Click() { desktop.showModal(Formulario::AcercaDe); }

} // namespace quelvar
