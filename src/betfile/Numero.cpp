#include "betfile/Numero.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quelvar {

namespace {
bool blank(char c) { return c == ' ' || c == '\t'; }
bool digit(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::optional<double> leerNumero(std::string_view s) {
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Check the shape ourselves; from_chars alone would accept "inf" or "nan".
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && digit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && digit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t start = j;
        while (j < s.size() && digit(s[j]))
            ++j;
        if (j == start) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;

    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Either huge or vanishingly small, which is all the count rules care
        // about: a negative exponent, or no exponent and no whole part, is small.
        const std::string_view::size_type e = s.find_first_of("eE");
        bool tiny;
        if (e != std::string_view::npos) {
            tiny = e + 1 < s.size() && s[e + 1] == '-';
        } else {
            const std::string_view whole = s.substr(0, s.find('.'));
            tiny = whole.find_first_not_of('0') == std::string_view::npos;
        }
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace quelvar
