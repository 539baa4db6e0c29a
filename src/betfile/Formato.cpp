// The .qlv bet file: one value per line, CR LF after every line. The first
// line is the count; up to five is a simple-bet ticket of seven lines a bet,
// above five a multiple bet of that many numbers and two stars.

#include "betfile/Numero.h"
#include "window/FrmQuelvar.h"

#include <cmath>
#include <vector>

namespace quelvar {

namespace {

constexpr const char* FinDeLinea = "\r\n";
constexpr int MaximoSencillas = 5;
constexpr double MaximoByte = 255;

void linea(std::string& out, const std::string& value) {
    out += value;
    out += FinDeLinea;
}

// Only CR LF ends a line; the text after the last one is one more line.
std::vector<std::string_view> partirLineas(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(FinDeLinea, start);
        if (end == std::string_view::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

FrmQuelvar::Lectura fallo(const errores::Error& e) { return {FrmQuelvar::Lectura::Resultado::Fallida, e}; }

} // namespace

void FrmQuelvar::EscribirApuesta(std::string& out) {
    if (mnuApSen.Checked) {
        // The highest bet holding anything: a bet with stars but no number
        // yet is kept too.
        m.CantApuestas = 0;
        for (int b = 1; b <= Apuestas; ++b) {
            bool content = false;
            for (int s = 1; s <= NumerosPorApuesta; ++s)
                content = content || !m.Numeros[b][s].isFree();
            for (int s = 1; s <= EstrellasPorApuesta; ++s)
                content = content || !m.Estrellas[b][s].isFree();
            if (content) m.CantApuestas = static_cast<std::uint8_t>(b);
        }
        linea(out, std::to_string(m.CantApuestas));
        for (int b = 1; b <= m.CantApuestas; ++b) {
            for (int s = 1; s <= NumerosPorApuesta; ++s)
                linea(out, m.Numeros[b][s].str());
            for (int s = 1; s <= EstrellasPorApuesta; ++s)
                linea(out, m.Estrellas[b][s].str());
        }
    } else if (mnuApMul.Checked) {
        linea(out, std::to_string(m.CantidadMultiple));
        for (int i = 1; i <= m.CantidadMultiple; ++i)
            linea(out, m.NumerosMultiple[i].str());
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            linea(out, m.Estrellas[1][s].str());
    }
}

FrmQuelvar::Lectura FrmQuelvar::LeerApuesta(const std::string& text) {
    const std::vector<std::string_view> lines = partirLineas(text);
    const std::optional<double> count = leerNumero(lines[0]);
    if (!count) return {Lectura::Resultado::SinNumero, {}};

    if (*count <= MaximoSencillas) {
        mnuApSen.Checked = true;
        mnuApMul.Checked = false;
        cmdApuesta.Caption = textos::BotonSencillas;
        int c = 0;
        for (int k = 1; k <= MaximoSencillas; ++k)
            if (*count == k) c = k;
        const int fields = c * (NumerosPorApuesta + EstrellasPorApuesta);
        for (int i = 1; i <= fields; ++i) {
            if (i >= static_cast<int>(lines.size())) return fallo(errores::Subindice);
            m.Campos[i] = std::string(lines[i]);
        }
        if (c >= 1) CargarApuesta1();
        if (c >= 2) CargarApuesta2();
        if (c >= 3) CargarApuesta3();
        if (c >= 4) CargarApuesta4();
        if (c >= 5) CargarApuesta5();
        cmdApuesta.Enabled = true;
        return {};
    }

    // A byte, rounded half to even as the conversion does; it is also the
    // bound of the loop below, so a count such as 7.6 plays 8 numbers.
    const double rounded = std::nearbyint(*count);
    if (!(rounded <= MaximoByte)) return fallo(errores::Desbordamiento);
    const int size = static_cast<int>(rounded);
    // A count such as 5.4 rounds to a size no multiple bet has, which a
    // save would then write as simple bets.
    if (size < MinimoMultiple) return fallo(errores::Subindice);
    m.CantidadMultiple = static_cast<std::uint8_t>(size);
    mnuApSen.Checked = false;
    mnuApMul.Checked = true;
    cmdApuesta.Caption = textos::BotonMultiple;
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        if (lblApmul[k].Caption == lines[0]) lblApmul[k].aplicar(LookSeleccionada);

    for (int i = 1; i <= size; ++i) {
        if (i > MaximoMultiple || i >= static_cast<int>(lines.size())) {
            // The size is an index bound: never leave one the slots cannot hold.
            if (size > MaximoMultiple) m.CantidadMultiple = 0;
            return fallo(errores::Subindice);
        }
        m.NumerosMultiple[i] = std::string(lines[i]);
        for (int k = 1; k <= NumerosPorTablero; ++k)
            if (m.NumerosMultiple[i].matches(tablero[1].lblNral[k].Caption))
                tablero[1].lblNral[k].aplicar(LookSeleccionada);
    }
    m.PosCampo = static_cast<std::uint8_t>(size);
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        ++m.PosCampo;
        if (m.PosCampo >= lines.size()) return fallo(errores::Subindice);
        m.Estrellas[1][s] = std::string(lines[m.PosCampo]);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            if (m.Estrellas[1][s].matches(tablero[1].lblEstrella[k].Caption))
                tablero[1].lblEstrella[k].aplicar(LookSeleccionada);
    }

    for (int i = 1; i <= m.CantidadMultiple; ++i) {
        if (m.NumerosMultiple[i].isFree()) {
            cmdApuesta.Enabled = true;
            m.HayLugarNumero = true;
            return {};
        }
    }
    cmdApuesta.Enabled = false;
    m.HayLugarNumero = false;
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        if (m.Estrellas[1][s].isFree()) {
            cmdApuesta.Enabled = true;
            m.HayLugarEstrella = true;
            return {};
        }
    }
    m.HayLugarEstrella = false;
    return {};
}

} // namespace quelvar
