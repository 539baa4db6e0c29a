#pragma once

#include <optional>
#include <string_view>

namespace quelvar {

// Reads the count line of a bet file as a number: blanks around it, an
// optional sign, digits with an optional decimal point and an optional
// exponent. Anything else is not a number. Values too large for a double
// come back as infinities, so that range checks still see them as huge.
std::optional<double> leerNumero(std::string_view texto);

} // namespace quelvar
