#include "betfile/Formato.h"

#include "ticket/Filas.h"

namespace quelvar {

namespace {
constexpr std::string_view FinDeLinea = "\r\n";

void linea(std::string& salida, const std::string& valor) {
    salida += valor;
    salida += FinDeLinea;
}
} // namespace

std::vector<std::string_view> partirLineas(std::string_view texto) {
    std::vector<std::string_view> lineas;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fin = texto.find(FinDeLinea, inicio);
        if (fin == std::string_view::npos) break;
        lineas.push_back(texto.substr(inicio, fin - inicio));
        inicio = fin + FinDeLinea.size();
    }
    lineas.push_back(texto.substr(inicio));
    return lineas;
}

void EscribirApuesta(Module1& m, const ControlesQuelvar& c, std::string& salida) {
    if (c.mnuApSen.Checked) {
        // The highest bet holding anything: a bet with stars but no number
        // yet is kept too.
        m.CantApuestas = 0;
        for (int b = 1; b <= Apuestas; ++b)
            if (hayLleno(m.Numeros[b], NumerosPorApuesta) || hayLleno(m.Estrellas[b], EstrellasPorApuesta))
                m.CantApuestas = static_cast<std::uint8_t>(b);
        linea(salida, std::to_string(m.CantApuestas));
        for (int b = 1; b <= m.CantApuestas; ++b) {
            for (int s = 1; s <= NumerosPorApuesta; ++s)
                linea(salida, m.Numeros[b][s].str());
            for (int s = 1; s <= EstrellasPorApuesta; ++s)
                linea(salida, m.Estrellas[b][s].str());
        }
    } else if (c.mnuApMul.Checked) {
        linea(salida, std::to_string(m.CantidadMultiple));
        for (int i = 1; i <= m.CantidadMultiple; ++i)
            linea(salida, m.NumerosMultiple[i].str());
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            linea(salida, m.Estrellas[1][s].str());
    }
}

} // namespace quelvar
