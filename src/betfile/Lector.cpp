#include "betfile/Lector.h"

#include "base/Textos.h"
#include "betfile/Formato.h"
#include "betfile/Numero.h"

#include <cmath>
#include <vector>

namespace quelvar {

namespace {
constexpr double MaximoByte = 255;

Lectura fallo(const errores::Error& e) { return {Lectura::Resultado::Fallida, e}; }
} // namespace

Lectura LectorApuesta::LeerApuesta(const std::string& texto) {
    const std::vector<std::string_view> lineas = partirLineas(texto);
    const std::optional<double> cuenta = leerNumero(lineas[0]);
    if (!cuenta) return {Lectura::Resultado::SinNumero, {}};

    if (*cuenta <= MaximoSencillas) {
        c.mnuApSen.Checked = true;
        c.mnuApMul.Checked = false;
        c.cmdApuesta.Caption = textos::BotonSencillas;
        int apuestas = 0;
        for (int k = 1; k <= MaximoSencillas; ++k)
            if (*cuenta == k) apuestas = k;
        const int campos = apuestas * (NumerosPorApuesta + EstrellasPorApuesta);
        for (int i = 1; i <= campos; ++i) {
            if (i >= static_cast<int>(lineas.size())) return fallo(errores::Subindice);
            m.Campos[i] = std::string(lineas[i]);
        }
        if (apuestas >= 1) tableros.CargarApuesta1();
        if (apuestas >= 2) tableros.CargarApuesta2();
        if (apuestas >= 3) tableros.CargarApuesta3();
        if (apuestas >= 4) tableros.CargarApuesta4();
        if (apuestas >= 5) tableros.CargarApuesta5();
        c.cmdApuesta.Enabled = true;
        return {};
    }

    // A byte, rounded half to even as the conversion does; it is also the
    // bound of the loop below, so a count such as 7.6 plays 8 numbers.
    const double redondeada = std::nearbyint(*cuenta);
    if (!(redondeada <= MaximoByte)) return fallo(errores::Desbordamiento);
    const int tamano = static_cast<int>(redondeada);
    // A count such as 5.4 rounds to a size no multiple bet has, which a
    // save would then write as simple bets.
    if (tamano < MinimoMultiple) return fallo(errores::Subindice);
    m.CantidadMultiple = static_cast<std::uint8_t>(tamano);
    c.mnuApSen.Checked = false;
    c.mnuApMul.Checked = true;
    c.cmdApuesta.Caption = textos::BotonMultiple;
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        if (c.lblApmul[k].Caption == lineas[0]) c.lblApmul[k].aplicar(LookSeleccionada);

    for (int i = 1; i <= tamano; ++i) {
        if (i > MaximoMultiple || i >= static_cast<int>(lineas.size())) {
            // The size is an index bound: never leave one the slots cannot hold.
            if (tamano > MaximoMultiple) m.CantidadMultiple = 0;
            return fallo(errores::Subindice);
        }
        m.NumerosMultiple[i] = std::string(lineas[i]);
        for (int k = 1; k <= NumerosPorTablero; ++k)
            if (m.NumerosMultiple[i].matches(c.tablero[1].lblNral[k].Caption))
                c.tablero[1].lblNral[k].aplicar(LookSeleccionada);
    }
    m.PosCampo = static_cast<std::uint8_t>(tamano);
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        ++m.PosCampo;
        if (m.PosCampo >= lineas.size()) return fallo(errores::Subindice);
        m.Estrellas[1][s] = std::string(lineas[m.PosCampo]);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            if (m.Estrellas[1][s].matches(c.tablero[1].lblEstrella[k].Caption))
                c.tablero[1].lblEstrella[k].aplicar(LookSeleccionada);
    }

    for (int i = 1; i <= m.CantidadMultiple; ++i) {
        if (m.NumerosMultiple[i].isFree()) {
            c.cmdApuesta.Enabled = true;
            m.HayLugarNumero = true;
            return {};
        }
    }
    c.cmdApuesta.Enabled = false;
    m.HayLugarNumero = false;
    for (int s = 1; s <= EstrellasPorApuesta; ++s) {
        if (m.Estrellas[1][s].isFree()) {
            c.cmdApuesta.Enabled = true;
            m.HayLugarEstrella = true;
            return {};
        }
    }
    m.HayLugarEstrella = false;
    return {};
}

} // namespace quelvar
