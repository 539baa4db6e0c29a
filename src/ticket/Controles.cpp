#include "ticket/Controles.h"

#include "base/Textos.h"

namespace quelvar {

// Every cell's caption is its index.
ControlesQuelvar::ControlesQuelvar() {
    for (int b = 1; b <= Apuestas; ++b) {
        for (int k = 1; k <= NumerosPorTablero; ++k)
            tablero[b].lblNral[k].Caption = std::to_string(k);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            tablero[b].lblEstrella[k].Caption = std::to_string(k);
    }
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        lblApmul[k].Caption = std::to_string(k);
    cmdApuesta.Caption = textos::BotonSencillas;
    Caption = textos::Titulo;
}

} // namespace quelvar
