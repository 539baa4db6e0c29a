#pragma once

#include "base/Errores.h"
#include "ticket/Controles.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

#include <string>

namespace quelvar {

// What reading a bet file made of the ticket.
struct Lectura {
    enum class Resultado { Cargada, SinNumero, Fallida } resultado = Resultado::Cargada;
    errores::Error error{};
};

// Reads a bet file's text into the ticket, its shape and its cells.
class LectorApuesta {
public:
    LectorApuesta(Module1& modulo, ControlesQuelvar& controles, Tableros& tableros)
        : m(modulo), c(controles), tableros(tableros) {}

    Lectura LeerApuesta(const std::string& texto);

private:
    Module1& m;
    ControlesQuelvar& c;
    Tableros& tableros;
};

} // namespace quelvar
