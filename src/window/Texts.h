#pragma once

// Every text the user sees, verbatim, so they can be checked side by side.

namespace quelvar::textos {

constexpr const char* Titulo = "Quelvar";
constexpr const char* SufijoInicio = " - ''Nueva apuesta''";

constexpr const char* OtraInstancia = "Ya se esta ejecutando una instancia de Quelvar";
constexpr const char* MaximoNumeros = "Ya se han seleccionado el maximo de números permitidos";
constexpr const char* PasarAManual = "Desea habilitar la modalidad\nApuesta manual?";
constexpr const char* FaltaCantidad =
    "Debe seleccionar la cantidad de números \n\nque desea jugar en esta apuesta múltiple.";

constexpr const char* BotonSencillas = "APUESTAS SENCILLAS";
constexpr const char* BotonMultiple = "APUESTA MULTIPLE";

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

// Labels drawn on the toolbar, left to right.
constexpr const char* EtiquetasBarra[] = {"Abrir",     "Guardar",   "G. como", "Cerrar", "Salir",    "Sencillas",
                                          "Múltiples", "Aleatorea", "Manual",  "Borrar", "Imprimir", "Acerca de"};

} // namespace quelvar::textos
