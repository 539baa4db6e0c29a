// The file commands: open, save, save as, close and exit, with the questions
// that guard unsaved changes.

#include "window/FrmQuelvar.h"
#include "window/Utf8.h"

namespace quelvar {

namespace {
constexpr int LongitudPrefijo = 10;  // "Quelvar - ", before the caption tail
constexpr int LongitudExtension = 4; // ".qlv", dropped from the caption

std::string nombreDeArchivo(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

void FrmQuelvar::informarError(int code, const std::string& description, const char* titulo) {
    desktop.messageBox(textos::PrefijoError + std::to_string(code) + " " + description, MsgButtons::Ok, MsgIcon::None,
                       titulo);
}

MsgAnswer FrmQuelvar::preguntarGuardar() {
    return desktop.messageBox(textos::PreguntaGuardar + utf8::dropFront(Caption, LongitudPrefijo),
                              MsgButtons::YesNoCancel, MsgIcon::Question, textos::Titulo);
}

// A multiple bet with numbers or stars but no size would be written with
// count 0 and lose them; ask for the size instead.
bool FrmQuelvar::multipleSinCantidad() {
    if (!mnuApMul.Checked || m.CantidadMultiple != 0) return false;
    bool content = false;
    for (int i = 1; i <= MaximoMultiple; ++i)
        content = content || !m.NumerosMultiple[i].isFree();
    for (int s = 1; s <= EstrellasPorApuesta; ++s)
        content = content || !m.Estrellas[1][s].isFree();
    if (!content) return false;
    desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
    Timer1.habilitar(true);
    return true;
}

std::optional<std::string> FrmQuelvar::elegirArchivo(FileDialog::Mode mode, const char* titulo) {
    FileDialog d;
    d.mode = mode;
    d.title = mode == FileDialog::Mode::Open ? textos::DialogoAbrir : textos::DialogoGuardarComo;
    d.filterName = textos::FiltroNombre;
    d.filterPattern = textos::FiltroPatron;
    d.initialDir = desktop.environment(textos::VariableCarpeta);
    if (mode == FileDialog::Mode::SaveAs) d.defaultSuffix = textos::Extension;
    std::optional<std::string> path = desktop.fileDialog(d);
    if (path && utf8::length(*path) > RutaMaxima) {
        informarError(errores::NombreLargo.code, errores::NombreLargo.description, titulo);
        return std::nullopt;
    }
    return path;
}

bool FrmQuelvar::GuardarComo() {
    constexpr const char* titulo = "mnuGuardarComo_Click";
    if (multipleSinCantidad()) return false;
    const std::optional<std::string> path = elegirArchivo(FileDialog::Mode::SaveAs, titulo);
    if (!path) return false;
    std::string bytes;
    EscribirApuesta(bytes);
    const FileResult written = desktop.writeFile(*path, bytes);
    if (!written.ok) {
        informarError(written.code, written.description, titulo);
        return false;
    }
    // Written: later saves go to this file even if its name fails below.
    m.ArchivoActual = *path;
    const std::string name = nombreDeArchivo(*path);
    if (utf8::length(name) < LongitudExtension) {
        informarError(errores::ArgumentoNoValido.code, errores::ArgumentoNoValido.description, titulo);
        return false;
    }
    Caption = textos::PrefijoTitulo + utf8::dropBack(name, LongitudExtension);
    m.Modificado = false;
    return true;
}

// Save; a failure is reported under the title of the command that ran it.
// True when the ticket has no unsaved changes afterwards.
bool FrmQuelvar::guardar(const char* titulo) {
    if (m.ArchivoActual.empty()) return GuardarComo();
    if (!m.Modificado) return true;
    if (multipleSinCantidad()) return false;
    std::string bytes;
    EscribirApuesta(bytes);
    const FileResult written = desktop.writeFile(m.ArchivoActual, bytes);
    if (!written.ok) {
        informarError(written.code, written.description, titulo);
        return false;
    }
    m.Modificado = false;
    mnuGuardar.Enabled = false;
    return true;
}

void FrmQuelvar::mnuGuardar_Click() { guardar("mnuGuardar_Click"); }

void FrmQuelvar::mnuGuardarComo_Click() { GuardarComo(); }

void FrmQuelvar::mnuAbrir_Click() {
    constexpr const char* titulo = "mnuAbrir_Click";
    if (m.Modificado) {
        switch (preguntarGuardar()) {
        case MsgAnswer::Yes:
            // Nothing is thrown away unless it was saved.
            if (!guardar(titulo)) return;
            LimpiarTableros();
            break;
        case MsgAnswer::No:
            LimpiarTableros();
            m.Modificado = false;
            break;
        default: return;
        }
    }
    const std::optional<std::string> path = elegirArchivo(FileDialog::Mode::Open, titulo);
    if (!path) return;
    // The timers tick while the dialog is up: a star step may have drawn into
    // the ticket meanwhile, and that is asked about like any other change.
    bool descartar = false;
    if (m.Modificado) {
        switch (preguntarGuardar()) {
        case MsgAnswer::Yes:
            if (!guardar(titulo)) return;
            break;
        case MsgAnswer::No: descartar = true; break;
        default: return;
        }
    }
    const FileResult read = desktop.readFile(*path, TamanoMaximoArchivo);
    if (!read.ok) {
        // The ticket stays, and so does its mark: nothing was thrown away.
        informarError(read.code, read.description, titulo);
        return;
    }
    LimpiarTableros();
    if (descartar) m.Modificado = false;
    const Lectura lectura = LeerApuesta(read.bytes);
    if (lectura.resultado == Lectura::Resultado::SinNumero) return;
    if (lectura.resultado == Lectura::Resultado::Fallida) {
        informarError(lectura.error.code, lectura.error.description, titulo);
        return;
    }
    BarraActiva = true;
    mnuArchivo.Enabled = true;
    mnuApuesta.Enabled = true;
    mnuImprimir.Enabled = true;
    mnuAyuda.Enabled = true;
    mnuBorrar.Enabled = true;
    mnuCerrar.Enabled = true;
    // The ticket now comes from this file, whatever its name makes of the
    // caption: a save must go back to it.
    m.ArchivoActual = *path;
    const std::string name = nombreDeArchivo(*path);
    if (utf8::length(name) < LongitudExtension) {
        informarError(errores::ArgumentoNoValido.code, errores::ArgumentoNoValido.description, titulo);
        return;
    }
    Caption = textos::PrefijoTitulo + std::string(textos::Comillas) + utf8::dropBack(name, LongitudExtension) +
              textos::Comillas;
}

void FrmQuelvar::mnuCerrar_Click() {
    if (!m.Modificado) return;
    switch (preguntarGuardar()) {
    case MsgAnswer::Yes:
        guardar("mnuCerrar_Click");
        if (!m.Modificado) {
            mnuCerrar.Enabled = false;
            LimpiarTableros();
        }
        cmdApuesta.Enabled = true;
        break;
    case MsgAnswer::No:
        mnuCerrar.Enabled = false;
        LimpiarTableros();
        cmdApuesta.Enabled = true;
        m.Modificado = false;
        break;
    default: break;
    }
}

void FrmQuelvar::mnuSalir_Click() { ++pedidosCierre; }

void FrmQuelvar::Form_Unload(int& Cancel) {
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
        if (!guardar("Form_Unload")) Cancel = True;
        break;
    case MsgAnswer::No: break;
    default: Cancel = True; break;
    }
}

} // namespace quelvar
