#pragma once

#include "base/Desktop.h"
#include "base/Ventana.h"
#include "betfile/Lector.h"
#include "ticket/Controles.h"
#include "ticket/Grupos.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

#include <optional>
#include <string>

namespace quelvar {

// The file commands: open, save, save as, close and exit, with the questions
// that guard unsaved changes.
class ComandosArchivo {
public:
    // Files larger than this are no ticket; they are refused unread.
    static constexpr std::size_t TamanoMaximoArchivo = 64 * 1024;
    static constexpr std::size_t RutaMaxima = 254;

    ComandosArchivo(Module1& modulo, ControlesQuelvar& controles, GruposControl& grupos, Tableros& tableros,
                    LectorApuesta& lector, Desktop& desktop, Ventana& ventana)
        : m(modulo), c(controles), grupos(grupos), tableros(tableros), lector(lector), desktop(desktop),
          ventana(ventana) {}

    void mnuAbrir_Click();
    // A file named from outside the window (the command line, a file
    // manager): opened as the open command opens the path its dialog gives.
    void abrirDesdeFuera(const std::string& ruta);
    void mnuGuardar_Click();
    void mnuGuardarComo_Click();
    void mnuCerrar_Click();
    void mnuSalir_Click();
    void Form_Unload(int& Cancel);
    // Save-as; true when the ticket was written and the window updated.
    bool GuardarComo();

    // The save question before a ticket is thrown away, asked only when it
    // has unsaved changes: true when it may go now (nothing was unsaved, it
    // was saved, or the user said No, whose mark the caller clears once the
    // ticket is really gone); false for Cancel and for a save that failed,
    // reported under the command's title. Close and exit ask the question
    // themselves: their outcomes differ.
    bool quizaGuardar(const char* titulo);
    MsgAnswer preguntarGuardar();
    // Saves to the ticket's file, or asks for one; true when it was written.
    bool guardar(const char* titulo);

private:
    // The open command's steps before its dialog and after it.
    bool prepararApertura();
    void abrirRuta(const std::string& ruta);
    void informarError(int codigo, const std::string& descripcion, const char* titulo);
    bool multipleSinCantidad();
    std::optional<std::string> elegirArchivo(FileDialog::Mode modo, const char* titulo);
    bool rutaAdmitida(const std::string& ruta, const char* titulo);

    Module1& m;
    ControlesQuelvar& c;
    GruposControl& grupos;
    Tableros& tableros;
    LectorApuesta& lector;
    Desktop& desktop;
    Ventana& ventana;
};

} // namespace quelvar
