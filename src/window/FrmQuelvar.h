#pragma once

#include "draw/Azar.h"
#include "ticket/Module1.h"
#include "window/Controls.h"
#include "window/Desktop.h"
#include "window/Texts.h"

#include <optional>
#include <string>
#include <vector>

namespace quelvar {

// The main window as plain data plus one method per event. Handler bodies
// live with their subsystem: cell clicks and board procedures in ticket/,
// play modes and the draw in draw/, file commands in betfile/, layout and
// menus in window/.
class FrmBorrar;

class FrmQuelvar {
public:
    struct Tablero {
        Base1<Celda, NumerosPorTablero> lblNral;
        Base1<Celda, EstrellasPorTablero> lblEstrella;
    };

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
        ItemMenu FrmQuelvar::*item;
        bool principal; // a top-level menu; the entries after it, up to the next one, are its items
    };
    // The menu tree in display order.
    static const std::vector<EntradaMenu>& arbolMenu();

    FrmQuelvar(Module1& modulo, Desktop& desktop);

    // ---- controls -------------------------------------------------------
    Base1<Tablero, Apuestas> tablero;               // tablero[2].lblNral[7] is lblNral2(7)
    std::array<Celda, MaximoMultiple + 1> lblApmul; // indexes 6..10
    Boton cmdApuesta;
    std::string Caption;
    bool BarraActiva = false;
    // The toolbar: the position shown raised (0 none) and the image that
    // shows it, in twips within pTools.
    int BotonActual = 0;
    struct Imagen {
        int Left = 270;
        int Top = 30;
        int Picture = 0; // the raised picture of that toolbar position, 0 none
    } imRaised;
    // Bumped every time the program gives cmdApuesta the keyboard focus.
    unsigned pedidosFoco = 0;

    ItemMenu mnuArchivo, mnuAbrir, mnuGuardar, mnuGuardarComo, mnuCerrar, sep1, mnuSalir;
    ItemMenu mnuApuesta, mnuApSen, mnuApMul, msep3, mnuApAleatoria, mnuApManual, sep2, mnuBorrar;
    ItemMenu mnuImprimir, mnuImpBoleto, mnuAyuda, mnuAcercaDe;

    Temporizador Timer1, Timer2, Timer3, Timer4, Timer5, Timer6;

    ItemMenu& item(Menu id);
    // An item acts only while it and its top-level menu are enabled.
    bool activo(Menu id);
    // A menu item chosen by mouse or shortcut.
    void menuClick(Menu id);

    // ---- start-up -------------------------------------------------------
    // Returns false when another instance runs: the process must end at once.
    bool Form_Load();

    // ---- cell clicks (ticket/) ------------------------------------------
    void lblNral_Click(int Index);
    void lblNral2_Click(int Index);
    void lblNral3_Click(int Index);
    void lblNral4_Click(int Index);
    void lblNral5_Click(int Index);
    void lblEstrella_Click(int Index);
    void lblEstrella2_Click(int Index);
    void lblEstrella3_Click(int Index);
    void lblEstrella4_Click(int Index);
    void lblEstrella5_Click(int Index);
    // Dispatch by board, for the shell.
    void clickNumero(int tablero, int index);
    void clickEstrella(int tablero, int index);

    void ControlarNumeros();
    void ControlarEstrellas();

    // ---- board procedures (ticket/) -------------------------------------
    void LimpiarTableros();
    void CargarApuesta1();
    void CargarApuesta2();
    void CargarApuesta3();
    void CargarApuesta4();
    void CargarApuesta5();
    void CompactarMultiple();

    // ---- bet files (betfile/) -------------------------------------------
    struct Lectura {
        enum class Resultado { Cargada, SinNumero, Fallida } resultado = Resultado::Cargada;
        errores::Error error{};
    };
    // Files larger than this are no ticket; they are refused unread.
    static constexpr std::size_t TamanoMaximoArchivo = 64 * 1024;
    static constexpr std::size_t RutaMaxima = 254;

    void EscribirApuesta(std::string& salida);
    Lectura LeerApuesta(const std::string& texto);

    void mnuAbrir_Click();
    void mnuGuardar_Click();
    void mnuGuardarComo_Click();
    void mnuCerrar_Click();
    void mnuSalir_Click();
    void Form_Unload(int& Cancel);
    // Save-as; true when the ticket was written and the window updated.
    bool GuardarComo();
    // Bumped when the program asks the window system to close the window.
    unsigned pedidosCierre = 0;

    // ---- toolbar and dialogs (window/) ------------------------------------
    void pTools_MouseMove(int Button, int Shift, float X, float Y);
    void pTools_Click();
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    // The toolbar position under a point, X in twips: 0 left of the first.
    static int posicionBarra(float X);
    void mnuBorrar_Click();
    void mnuAcercaDe_Click();
    void usarBorrar(FrmBorrar& borrar) { frmBorrar_ = &borrar; }

    // ---- play modes (draw/) ---------------------------------------------
    void mnuApSen_Click();
    void mnuApMul_Click();
    void mnuApAleatoria_Click();
    void mnuApManual_Click();
    void lblApmul_Click(int Index);
    void Timer1_Timer();

    // ---- random draw (draw/) --------------------------------------------
    void cmdApuesta_Click();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void usarAzar(Azar& azar) { azar_ = &azar; }

    // ---- control groups -------------------------------------------------
    void habilitarComandos(bool on); // the four command menus, with BarraActiva
    void bloquearVentana();
    void liberarVentana();
    void habilitarMenusBoleto();
    void marcarModificado();
    bool enfocarBoton(); // false when the button cannot take the focus
    // Ends a running draw, star step included (the ticket is about to be
    // emptied or replaced).
    void terminarSorteo();
    // Ends the size chooser's blink: called wherever the chooser is repainted
    // from the ticket, so that no later tick inverts the new looks.
    void pararParpadeo();

private:
    void clickNumeroTablero1(int index);
    void clickNumeroTableroN(int n, int index);
    void clickEstrellaTablero1(int index);
    void clickEstrellaTableroN(int n, int index);
    bool preguntarModoManual();
    bool faltaCantidad();
    void liberarPaso9();
    void alternarCelda(Celda& celda, Slot* slots, int hasta, bool& lugar, void (FrmQuelvar::*controlar)(),
                       bool liberarPorHueco);
    void CargarApuesta(int n);
    bool guardar(const char* titulo);
    void informarError(int code, const std::string& description, const char* titulo);
    MsgAnswer preguntarGuardar();
    bool multipleSinCantidad();
    std::optional<std::string> elegirArchivo(FileDialog::Mode mode, const char* titulo);

    void cambiarForma(bool multiple);
    bool preguntarYGuardar(const char* titulo, bool& vaciar);
    void bloqueoSorteo();
    void liberarConBoton(bool foco);
    void liberarSinBoton();
    void cortarSorteoMultiple();
    void numerosMultipleCompletos();
    void iniciarPasoEstrellas(int b);
    void terminarPasoEstrellas();
    void pintarEstrellas(int b);
    void apagarTablero(int b);
    int apuestaEstrellas() const;
    void avanzarCelda();
    bool pasoBarrido(int tablero, Temporizador& barrido, Temporizador& sorteo);
    int sortearNuevo(const Slot* fila, int hasta, int maximo);
    Celda* celdaNumero(int tablero, int k);

    Module1& m;
    Desktop& desktop;
    // The bet a running star step fills: the one it started on, whatever
    // bet a click makes current meanwhile.
    int apuestaDelPaso_ = 1;
    Azar* azar_ = nullptr;
    FrmBorrar* frmBorrar_ = nullptr;
};

} // namespace quelvar
