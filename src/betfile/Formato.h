#pragma once

#include "ticket/Controles.h"
#include "ticket/Module1.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelvar {

// The .qlv bet file: one value per line, CR LF after every line. The first
// line is the count; up to five is a simple-bet ticket of seven lines a bet,
// above five a multiple bet of that many numbers and two stars.

constexpr int MaximoSencillas = 5; // the largest count of a simple-bet ticket

// Only CR LF ends a line; the text after the last one is one more line.
std::vector<std::string_view> partirLineas(std::string_view texto);

// The ticket of the shape the menus show, appended to `salida`. Sets
// CantApuestas to the number of simple bets written.
void EscribirApuesta(Module1& m, const ControlesQuelvar& c, std::string& salida);

} // namespace quelvar
