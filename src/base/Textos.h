#pragma once

// Every text the user sees, verbatim, so they can be checked side by side.

namespace quelvar::textos {

constexpr const char* Titulo = "Quelvar";
constexpr const char* SufijoInicio = " - ''Nueva apuesta''";

// The titles of the error boxes: the name of the command that failed.
constexpr const char* TituloErrorAbrir = "mnuAbrir_Click";
constexpr const char* TituloErrorGuardar = "mnuGuardar_Click";
constexpr const char* TituloErrorGuardarComo = "mnuGuardarComo_Click";
constexpr const char* TituloErrorCerrar = "mnuCerrar_Click";
constexpr const char* TituloErrorSalir = "Form_Unload";
constexpr const char* TituloErrorSencillas = "mnuApSen_Click";
constexpr const char* TituloErrorMultiple = "mnuApMul_Click";

constexpr const char* OtraInstancia = "Ya se esta ejecutando una instancia de Quelvar";
constexpr const char* MaximoNumeros = "Ya se han seleccionado el maximo de números permitidos";
constexpr const char* PasarAManual = "Desea habilitar la modalidad\nApuesta manual?";
constexpr const char* FaltaCantidad =
    "Debe seleccionar la cantidad de números \n\nque desea jugar en esta apuesta múltiple.";

constexpr const char* TituloNuevaApuesta = "Quelvar  -  ''Nueva Apuesta''";
constexpr const char* ReducirApuesta = "La apuesta actual será modificada,\n\ndesea continuar ?";

constexpr const char* BotonSencillas = "APUESTAS SENCILLAS";
constexpr const char* BotonMultiple = "APUESTA MULTIPLE";

// File commands.
constexpr const char* PrefijoTitulo = "Quelvar - ";
constexpr const char* Comillas = "''";
constexpr const char* PreguntaGuardar = "Desea guardar los cambios realizados \n\nen ";
constexpr const char* PreguntaSalir = "Seguro que desea salir de ''Quelvar'' ?";
constexpr const char* PrefijoError = "Error: ";
constexpr const char* DialogoAbrir = "Abrir";
constexpr const char* DialogoGuardarComo = "Guardar como...";
constexpr const char* FiltroNombre = "Quelvar";
constexpr const char* FiltroPatron = "*.qlv";
constexpr const char* Extension = "qlv";
constexpr const char* VariableCarpeta = "WinDir";

// Menu captions.
constexpr const char* Archivo = "Archivo";
constexpr const char* AbrirApuesta = "Abrir apuesta";
constexpr const char* GuardarApuesta = "Guardar apuesta";
constexpr const char* GuardarApuestaComo = "Guardar apuesta como";
constexpr const char* Cerrar = "Cerrar";
constexpr const char* Salir = "Salir";
constexpr const char* ApuestasMenu = "Apuestas";
constexpr const char* ApuestasSencillas = "Apuestas sencillas";
constexpr const char* ApuestaMultiple = "Apuesta múltiple";
constexpr const char* ApuestaAleatoria = "Apuesta aleatoria";
constexpr const char* ApuestaManual = "Apuesta manual";
constexpr const char* BorrarApuestas = "Borrar apuestas";
constexpr const char* Imprimir = "Imprimir";
constexpr const char* ImprimirBoleto = "Imprimir boleto";
constexpr const char* Ayuda = "Ayuda";
constexpr const char* AcercaDe = "Acerca de...";

// Message box buttons, with their mnemonics.
constexpr const char* BotonAceptar = "Aceptar";
constexpr const char* BotonSi = "&Sí";
constexpr const char* BotonNo = "&No";
constexpr const char* BotonCancelar = "Cancelar";

// The delete-bets dialog.
constexpr const char* MarcoBorrar = "Borrar";
constexpr const char* CasillaApuesta = "Apuesta "; // followed by the bet's number

// The about box.
constexpr const char* TituloAcercaDe = "Acerca de Quelvar";
constexpr const char* Version = "Versión: 2.0.5";
constexpr const char* LineaNombre = "Quelvar";
constexpr const char* LineaDescripcion = "Boletos de números y estrellas";
constexpr const char* LineaDerechos = "Distribución libre";
constexpr const char* ContactarAutor = "Contactar al autor";
constexpr const char* CorreoAutor = "autor@quelvar.example.org";
constexpr const char* PaginaWeb = "https://quelvar.example.org/";
constexpr const char* AsuntoCorreo = "Quelvar";

// Labels drawn on the toolbar, left to right.
constexpr const char* EtiquetasBarra[] = {"Abrir",     "Guardar",   "G. como", "Cerrar", "Salir",    "Sencillas",
                                          "Múltiples", "Aleatorea", "Manual",  "Borrar", "Imprimir", "Acerca de"};

// What assistive technology says of the cells: "Número 7, apuesta 2,
// seleccionado", "Estrella 3, apuesta 1, libre", "Cantidad 8, elegida".
constexpr const char* AccNumero = "Número ";
constexpr const char* AccEstrella = "Estrella ";
constexpr const char* AccCantidad = "Cantidad ";
constexpr const char* AccApuesta = ", apuesta ";
constexpr const char* AccSeleccionado = ", seleccionado";
constexpr const char* AccLibre = ", libre";
constexpr const char* AccElegida = ", elegida";
constexpr const char* AccNoElegida = ", libre";
constexpr const char* AccTablero = "Apuesta ";
constexpr const char* AccCantidades = "Cantidad de números de la apuesta múltiple";
constexpr const char* AccBarra = "Barra de herramientas";

} // namespace quelvar::textos
