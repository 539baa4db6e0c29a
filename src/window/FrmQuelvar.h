#pragma once

#include "base/Desktop.h"
#include "base/Ventana.h"
#include "betfile/Comandos.h"
#include "betfile/Formato.h"
#include "betfile/Lector.h"
#include "draw/Azar.h"
#include "draw/Modos.h"
#include "draw/Sorteo.h"
#include "ticket/Controles.h"
#include "ticket/Grupos.h"
#include "ticket/Module1.h"
#include "ticket/Seleccion.h"
#include "ticket/Tableros.h"
#include "window/Barra.h"
#include "window/FrmBorrar.h"

#include <array>
#include <vector>

namespace quelvar {

// The main window: its controls as plain data, the subsystems that own its
// handlers, and every handler under its own name.
class FrmQuelvar : public ControlesQuelvar {
public:
    enum class Menu {
        mnuArchivo,
        mnuAbrir,
        mnuGuardar,
        mnuGuardarComo,
        mnuCerrar,
        sep1,
        mnuSalir,
        mnuApuesta,
        mnuApSen,
        mnuApMul,
        msep3,
        mnuApAleatoria,
        mnuApManual,
        sep2,
        mnuBorrar,
        mnuImprimir,
        mnuImpBoleto,
        mnuAyuda,
        mnuAcercaDe,
    };
    struct EntradaMenu {
        Menu id;
        ItemMenu ControlesQuelvar::*item;
        bool principal; // a top-level menu; the entries after it, up to the next one, are its items
        int tecla = -1; // the character of the caption that Alt (or the open menu) reaches it by
        void (FrmQuelvar::*accion)() = nullptr; // what choosing it runs; titles, separators and print run nothing
    };
    // The menu tree in display order.
    static const std::vector<EntradaMenu>& arbolMenu();

    // The six timers: number, control, tick handler and interval, for the
    // form, the shell and the tests alike.
    struct EntradaTemporizador {
        int numero;
        Temporizador ControlesQuelvar::*control;
        void (FrmQuelvar::*tick)();
        int intervalo;
    };
    static constexpr int Temporizadores = 6;
    static const std::array<EntradaTemporizador, Temporizadores>& temporizadores();

    FrmQuelvar(Module1& modulo, Desktop& desktop, RelevoVentana& ventana, Azar& azar);
    FrmQuelvar(const FrmQuelvar&) = delete;
    FrmQuelvar& operator=(const FrmQuelvar&) = delete;

    ItemMenu& item(Menu id);
    // An item acts only while it and its top-level menu are enabled.
    bool activo(Menu id) const;
    // A menu item chosen by mouse or shortcut.
    void menuClick(Menu id);

    // Where the window's requests go: the shell listens, and so may a test.
    RelevoVentana& ventana() { return ventana_; }
    Tableros& tableros() { return tableros_; }
    const Tableros& tableros() const { return tableros_; }
    FrmBorrar& frmBorrar() { return frmBorrar_; }
    void usarAzar(Azar& azar) { sorteo_.usarAzar(azar); }

    // ---- start-up ---------------------------------------------------------
    // Returns false when another instance runs: the process must end at once.
    bool Form_Load();

    // ---- cell clicks --------------------------------------------------------
    void lblNral_Click(int Index) { seleccion_.lblNral_Click(Index); }
    void lblNral2_Click(int Index) { seleccion_.lblNral2_Click(Index); }
    void lblNral3_Click(int Index) { seleccion_.lblNral3_Click(Index); }
    void lblNral4_Click(int Index) { seleccion_.lblNral4_Click(Index); }
    void lblNral5_Click(int Index) { seleccion_.lblNral5_Click(Index); }
    void lblEstrella_Click(int Index) { seleccion_.lblEstrella_Click(Index); }
    void lblEstrella2_Click(int Index) { seleccion_.lblEstrella2_Click(Index); }
    void lblEstrella3_Click(int Index) { seleccion_.lblEstrella3_Click(Index); }
    void lblEstrella4_Click(int Index) { seleccion_.lblEstrella4_Click(Index); }
    void lblEstrella5_Click(int Index) { seleccion_.lblEstrella5_Click(Index); }
    void clickNumero(int tablero, int index) { seleccion_.clickNumero(tablero, index); }
    void clickEstrella(int tablero, int index) { seleccion_.clickEstrella(tablero, index); }

    // ---- board procedures ---------------------------------------------------
    void LimpiarTableros() { tableros_.LimpiarTableros(); }
    void CargarApuesta1() { tableros_.CargarApuesta1(); }
    void CargarApuesta2() { tableros_.CargarApuesta2(); }
    void CargarApuesta3() { tableros_.CargarApuesta3(); }
    void CargarApuesta4() { tableros_.CargarApuesta4(); }
    void CargarApuesta5() { tableros_.CargarApuesta5(); }
    void CompactarMultiple() { tableros_.CompactarMultiple(); }

    // ---- bet files ----------------------------------------------------------
    void EscribirApuesta(std::string& salida) { quelvar::EscribirApuesta(m, *this, salida); }
    Lectura LeerApuesta(const std::string& texto) { return lector_.LeerApuesta(texto); }
    void mnuAbrir_Click() { comandos_.mnuAbrir_Click(); }
    void abrirDesdeFuera(const std::string& ruta) { comandos_.abrirDesdeFuera(ruta); }
    void mnuGuardar_Click() { comandos_.mnuGuardar_Click(); }
    void mnuGuardarComo_Click() { comandos_.mnuGuardarComo_Click(); }
    void mnuCerrar_Click() { comandos_.mnuCerrar_Click(); }
    void mnuSalir_Click() { comandos_.mnuSalir_Click(); }
    void Form_Unload(int& Cancel) { comandos_.Form_Unload(Cancel); }
    bool GuardarComo() { return comandos_.GuardarComo(); }

    // ---- toolbar and dialogs ------------------------------------------------
    void pTools_MouseMove(int Button, int Shift, float X, float Y) { barra_.pTools_MouseMove(Button, Shift, X, Y); }
    void pTools_Click() { barra_.pTools_Click(); }
    void Form_MouseMove(int Button, int Shift, float X, float Y) { barra_.Form_MouseMove(Button, Shift, X, Y); }
    bool barraActuaria(int k) const { return barra_.actuaria(k); }
    const Module1& modulo() const { return m; }
    void mnuBorrar_Click();
    void mnuAcercaDe_Click();

    // ---- play modes -----------------------------------------------------------
    void mnuApSen_Click() { modos_.mnuApSen_Click(); }
    void mnuApMul_Click() { modos_.mnuApMul_Click(); }
    void mnuApAleatoria_Click() { modos_.mnuApAleatoria_Click(); }
    void mnuApManual_Click() { modos_.mnuApManual_Click(); }
    void lblApmul_Click(int Index) { modos_.lblApmul_Click(Index); }
    void Timer1_Timer() { modos_.Timer1_Timer(); }

    // ---- random draw ----------------------------------------------------------
    void cmdApuesta_Click() { sorteo_.cmdApuesta_Click(); }
    void Timer2_Timer() { sorteo_.Timer2_Timer(); }
    void Timer3_Timer() { sorteo_.Timer3_Timer(); }
    void Timer4_Timer() { sorteo_.Timer4_Timer(); }
    void Timer5_Timer() { sorteo_.Timer5_Timer(); }
    void Timer6_Timer() { sorteo_.Timer6_Timer(); }

private:
    Module1& m;
    Desktop& desktop;
    RelevoVentana& ventana_;
    // Built in the order they depend on one another.
    GruposControl grupos_;
    FinSorteo fin_;
    Tableros tableros_;
    Seleccion seleccion_;
    LectorApuesta lector_;
    ComandosArchivo comandos_;
    Modos modos_;
    Sorteo sorteo_;
    Barra barra_;
    FrmBorrar frmBorrar_;
};

} // namespace quelvar
