#pragma once

namespace quelvar {

// The two dialogs of the main window.
enum class Formulario { Borrar, AcercaDe };

} // namespace quelvar
