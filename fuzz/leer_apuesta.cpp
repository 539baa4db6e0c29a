// Any bytes given to the reader: nothing crashes, the size stays an index the
// slots can hold, and a ticket that loaded is written and read back as it was.
// Only the ticket, its controls and the board procedures are built: no form,
// no desktop.

#include "betfile/Formato.h"
#include "betfile/Lector.h"
#include "ticket/Controles.h"
#include "ticket/Module1.h"
#include "ticket/Tableros.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A fresh ticket as the window starts it: simple bets, nothing chosen.
struct Boleto {
    quelvar::Module1 m;
    quelvar::ControlesQuelvar c;
    quelvar::FinSorteo fin{m, c};
    quelvar::Tableros tableros{m, c, fin};
    quelvar::LectorApuesta lector{m, c, tableros};
    Boleto() { c.mnuApSen.Checked = true; }
};

void check(bool ok) {
    if (!ok) std::abort();
}

std::string dump(const Boleto& b) {
    std::string out;
    out += b.c.mnuApSen.Checked ? 'S' : 'M';
    for (int n = 1; n <= quelvar::Apuestas; ++n) {
        for (int s = 1; s <= quelvar::NumerosPorApuesta; ++s)
            out += b.m.Numeros[n][s].str() + '|';
        for (int s = 1; s <= quelvar::EstrellasPorApuesta; ++s)
            out += b.m.Estrellas[n][s].str() + '|';
    }
    for (int s = 1; s <= b.m.CantidadMultiple; ++s)
        out += b.m.NumerosMultiple[s].str() + '|';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quelvar::Lectura;
    Boleto first;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Lectura r = first.lector.LeerApuesta(text);
    check(first.m.CantidadMultiple <= quelvar::MaximoMultiple);
    check(first.c.mnuApSen.Checked != first.c.mnuApMul.Checked);
    if (r.resultado != Lectura::Resultado::Cargada) return 0;
    // A multiple bet loaded with a size outside 6..10 is written with that
    // size, which reads back in the other shape; only sizes the program can
    // choose are compared.
    if (first.c.mnuApMul.Checked && first.m.CantidadMultiple < quelvar::MinimoMultiple) return 0;

    std::string written;
    quelvar::EscribirApuesta(first.m, first.c, written);
    Boleto second;
    check(second.lector.LeerApuesta(written).resultado == Lectura::Resultado::Cargada);
    check(dump(first) == dump(second));
    std::string again;
    quelvar::EscribirApuesta(second.m, second.c, again);
    check(again == written);
    return 0;
}
