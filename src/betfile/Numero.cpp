#include "betfile/Numero.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quelvar {

namespace {
bool blanco(char c) { return c == ' ' || c == '\t'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::optional<double> leerNumero(std::string_view texto) {
    std::string_view s = texto;
    while (!s.empty() && blanco(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanco(s.back()))
        s.remove_suffix(1);
    bool negativo = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negativo = s.front() == '-';
        s.remove_prefix(1);
    }
    // Check the shape ourselves; from_chars alone would accept "inf" or "nan".
    std::size_t i = 0;
    std::size_t cifras = 0;
    while (i < s.size() && cifra(s[i]))
        ++i, ++cifras;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && cifra(s[i]))
            ++i, ++cifras;
    }
    if (cifras == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t inicio = j;
        while (j < s.size() && cifra(s[j]))
            ++j;
        if (j == inicio) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;

    double valor = 0;
    const auto [fin, fallo] = std::from_chars(s.data(), s.data() + s.size(), valor, std::chars_format::general);
    if (fallo == std::errc::result_out_of_range) {
        // Either huge or vanishingly small, which is all the count rules care
        // about: a negative exponent, or no exponent and no whole part, is small.
        const std::string_view::size_type e = s.find_first_of("eE");
        bool diminuto;
        if (e != std::string_view::npos) {
            diminuto = e + 1 < s.size() && s[e + 1] == '-';
        } else {
            const std::string_view entera = s.substr(0, s.find('.'));
            diminuto = entera.find_first_not_of('0') == std::string_view::npos;
        }
        valor = diminuto ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (fallo != std::errc() || fin != s.data() + s.size()) {
        return std::nullopt;
    }
    return negativo ? -valor : valor;
}

} // namespace quelvar
