// The file commands: open, save, save as, close and exit, with the questions
// that guard unsaved changes.

#include "betfile/Comandos.h"

#include "base/Textos.h"
#include "base/Utf8.h"
#include "betfile/Formato.h"
#include "ticket/Filas.h"

namespace quelvar {

namespace {
constexpr int LongitudPrefijo = 10;  // "Quelvar - ", before the caption tail
constexpr int LongitudExtension = 4; // ".qlv", dropped from the caption

std::string nombreDeArchivo(const std::string& ruta) {
    const std::size_t barra = ruta.find_last_of('/');
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}
} // namespace

void ComandosArchivo::informarError(int codigo, const std::string& descripcion, const char* titulo) {
    desktop.messageBox(textos::PrefijoError + std::to_string(codigo) + " " + descripcion, MsgButtons::Ok, MsgIcon::None,
                       titulo);
}

MsgAnswer ComandosArchivo::preguntarGuardar() {
    return desktop.messageBox(textos::PreguntaGuardar + utf8::dropFront(c.Caption, LongitudPrefijo),
                              MsgButtons::YesNoCancel, MsgIcon::Question, textos::Titulo);
}

bool ComandosArchivo::quizaGuardar(const char* titulo) {
    if (!m.Modificado) return true;
    switch (preguntarGuardar()) {
    case MsgAnswer::Yes: return guardar(titulo);
    case MsgAnswer::No: return true;
    default: return false;
    }
}

// A multiple bet with numbers or stars but no size would be written with
// count 0 and lose them; ask for the size instead.
bool ComandosArchivo::multipleSinCantidad() {
    if (!c.mnuApMul.Checked || m.CantidadMultiple != 0) return false;
    if (!hayLleno(m.NumerosMultiple, MaximoMultiple) && !hayLleno(m.Estrellas[1], EstrellasPorApuesta)) return false;
    desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
    c.Timer1.habilitar(true);
    return true;
}

std::optional<std::string> ComandosArchivo::elegirArchivo(FileDialog::Mode modo, const char* titulo) {
    FileDialog d;
    d.mode = modo;
    d.title = modo == FileDialog::Mode::Open ? textos::DialogoAbrir : textos::DialogoGuardarComo;
    d.filterName = textos::FiltroNombre;
    d.filterPattern = textos::FiltroPatron;
    d.initialDir = desktop.environment(textos::VariableCarpeta);
    if (modo == FileDialog::Mode::SaveAs) d.defaultSuffix = textos::Extension;
    std::optional<std::string> ruta = desktop.fileDialog(d);
    if (ruta && !rutaAdmitida(*ruta, titulo)) return std::nullopt;
    return ruta;
}

// A path longer than a file name may be is reported and refused.
bool ComandosArchivo::rutaAdmitida(const std::string& ruta, const char* titulo) {
    if (utf8::length(ruta) <= RutaMaxima) return true;
    informarError(errores::NombreLargo.code, errores::NombreLargo.description, titulo);
    return false;
}

bool ComandosArchivo::GuardarComo() {
    constexpr const char* titulo = textos::TituloErrorGuardarComo;
    if (multipleSinCantidad()) return false;
    const std::optional<std::string> ruta = elegirArchivo(FileDialog::Mode::SaveAs, titulo);
    if (!ruta) return false;
    std::string bytes;
    EscribirApuesta(m, c, bytes);
    const FileResult escrito = desktop.writeFile(*ruta, bytes);
    if (!escrito.ok) {
        informarError(escrito.code, escrito.description, titulo);
        return false;
    }
    // Written: later saves go to this file even if its name fails below.
    m.ArchivoActual = *ruta;
    const std::string nombre = nombreDeArchivo(*ruta);
    if (utf8::length(nombre) < LongitudExtension) {
        informarError(errores::ArgumentoNoValido.code, errores::ArgumentoNoValido.description, titulo);
        return false;
    }
    c.Caption = textos::PrefijoTitulo + utf8::dropBack(nombre, LongitudExtension);
    m.Modificado = false;
    return true;
}

bool ComandosArchivo::guardar(const char* titulo) {
    if (m.ArchivoActual.empty()) return GuardarComo();
    if (!m.Modificado) return true;
    if (multipleSinCantidad()) return false;
    std::string bytes;
    EscribirApuesta(m, c, bytes);
    const FileResult escrito = desktop.writeFile(m.ArchivoActual, bytes);
    if (!escrito.ok) {
        informarError(escrito.code, escrito.description, titulo);
        return false;
    }
    m.Modificado = false;
    c.mnuGuardar.Enabled = false;
    return true;
}

void ComandosArchivo::mnuGuardar_Click() { guardar(textos::TituloErrorGuardar); }

void ComandosArchivo::mnuGuardarComo_Click() { GuardarComo(); }

void ComandosArchivo::mnuAbrir_Click() {
    if (!prepararApertura()) return;
    const std::optional<std::string> ruta = elegirArchivo(FileDialog::Mode::Open, textos::TituloErrorAbrir);
    if (ruta) abrirRuta(*ruta);
}

void ComandosArchivo::abrirDesdeFuera(const std::string& ruta) {
    if (prepararApertura() && rutaAdmitida(ruta, textos::TituloErrorAbrir)) abrirRuta(ruta);
}

// The open command's first step, before its dialog: the ticket goes once
// the user has had a say about its changes.
bool ComandosArchivo::prepararApertura() {
    if (!m.Modificado) return true;
    if (!quizaGuardar(textos::TituloErrorAbrir)) return false;
    tableros.LimpiarTableros();
    m.Modificado = false;
    return true;
}

void ComandosArchivo::abrirRuta(const std::string& ruta) {
    constexpr const char* titulo = textos::TituloErrorAbrir;
    // The timers tick while a dialog is up: a star step may have drawn into
    // the ticket meanwhile, and that is asked about like any other change.
    if (!quizaGuardar(titulo)) return;
    const FileResult leido = desktop.readFile(ruta, TamanoMaximoArchivo);
    if (!leido.ok) {
        // The ticket stays, and so does its mark: nothing was thrown away.
        informarError(leido.code, leido.description, titulo);
        return;
    }
    tableros.LimpiarTableros();
    m.Modificado = false;
    const Lectura lectura = lector.LeerApuesta(leido.bytes);
    if (lectura.resultado == Lectura::Resultado::SinNumero) return;
    if (lectura.resultado == Lectura::Resultado::Fallida) {
        informarError(lectura.error.code, lectura.error.description, titulo);
        return;
    }
    grupos.liberarVentana();
    c.mnuBorrar.Enabled = true;
    c.mnuCerrar.Enabled = true;
    // The ticket now comes from this file, whatever its name makes of the
    // caption: a save must go back to it.
    m.ArchivoActual = ruta;
    const std::string nombre = nombreDeArchivo(ruta);
    if (utf8::length(nombre) < LongitudExtension) {
        informarError(errores::ArgumentoNoValido.code, errores::ArgumentoNoValido.description, titulo);
        return;
    }
    c.Caption = textos::PrefijoTitulo + std::string(textos::Comillas) + utf8::dropBack(nombre, LongitudExtension) +
                textos::Comillas;
}

void ComandosArchivo::mnuCerrar_Click() {
    if (!m.Modificado) return;
    switch (preguntarGuardar()) {
    case MsgAnswer::Yes:
        guardar(textos::TituloErrorCerrar);
        if (!m.Modificado) {
            c.mnuCerrar.Enabled = false;
            tableros.LimpiarTableros();
        }
        c.cmdApuesta.Enabled = true;
        break;
    case MsgAnswer::No:
        c.mnuCerrar.Enabled = false;
        tableros.LimpiarTableros();
        c.cmdApuesta.Enabled = true;
        m.Modificado = false;
        break;
    default: break;
    }
}

void ComandosArchivo::mnuSalir_Click() { ventana.cerrarVentana(); }

void ComandosArchivo::Form_Unload(int& Cancel) {
    constexpr int True = -1;
    if (desktop.messageBox(textos::PreguntaSalir, MsgButtons::YesNo, MsgIcon::Question, textos::Titulo) !=
        MsgAnswer::Yes) {
        Cancel = True;
        return;
    }
    if (!m.Modificado) return;
    switch (preguntarGuardar()) {
    case MsgAnswer::Yes:
        // A save that did not happen keeps the window open.
        if (!guardar(textos::TituloErrorSalir)) Cancel = True;
        break;
    case MsgAnswer::No: break;
    default: Cancel = True; break;
    }
}

} // namespace quelvar
