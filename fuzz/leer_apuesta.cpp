// Any bytes given to the reader: nothing crashes, the size stays an index the
// slots can hold, and a ticket that loaded is written and read back as it was.

#include "window/Programa.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class QuietDesktop : public quelvar::Desktop {
public:
    quelvar::MsgAnswer messageBox(const std::string&, quelvar::MsgButtons, quelvar::MsgIcon,
                                  const std::string&) override {
        return quelvar::MsgAnswer::Ok;
    }
    bool anotherInstanceRunning() override { return false; }
    std::optional<std::string> fileDialog(const quelvar::FileDialog&) override { return std::nullopt; }
    std::string environment(const std::string&) override { return {}; }
    quelvar::FileResult readFile(const std::string&, std::size_t) override { return {false, 53, "", {}}; }
    quelvar::FileResult writeFile(const std::string&, const std::string&) override { return {}; }
    std::uint64_t clockReading() override { return 0; }
    void showModal(quelvar::Formulario) override {}
    void shellOpen(const std::string&, const std::string&) override {}
};

void check(bool ok) {
    if (!ok) std::abort();
}

std::string dump(quelvar::Programa& p) {
    std::string out;
    out += p.frmQuelvar.mnuApSen.Checked ? 'S' : 'M';
    for (int b = 1; b <= quelvar::Apuestas; ++b) {
        for (int s = 1; s <= quelvar::NumerosPorApuesta; ++s)
            out += p.modulo.Numeros[b][s].str() + '|';
        for (int s = 1; s <= quelvar::EstrellasPorApuesta; ++s)
            out += p.modulo.Estrellas[b][s].str() + '|';
    }
    for (int s = 1; s <= p.modulo.CantidadMultiple; ++s)
        out += p.modulo.NumerosMultiple[s].str() + '|';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuietDesktop desk;
    quelvar::Programa first(desk);
    first.frmQuelvar.Form_Load();
    first.frmQuelvar.LimpiarTableros();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto r = first.frmQuelvar.LeerApuesta(text);
    check(first.modulo.CantidadMultiple <= quelvar::MaximoMultiple);
    check(first.frmQuelvar.mnuApSen.Checked != first.frmQuelvar.mnuApMul.Checked);
    if (r.resultado != quelvar::FrmQuelvar::Lectura::Resultado::Cargada) return 0;
    // A multiple bet loaded with a size outside 6..10 is written with that
    // size, which reads back in the other shape; only sizes the program can
    // choose are compared.
    if (first.frmQuelvar.mnuApMul.Checked && first.modulo.CantidadMultiple < quelvar::MinimoMultiple) return 0;

    std::string written;
    first.frmQuelvar.EscribirApuesta(written);
    quelvar::Programa second(desk);
    second.frmQuelvar.Form_Load();
    second.frmQuelvar.LimpiarTableros();
    check(second.frmQuelvar.LeerApuesta(written).resultado == quelvar::FrmQuelvar::Lectura::Resultado::Cargada);
    check(dump(first) == dump(second));
    std::string again;
    second.frmQuelvar.EscribirApuesta(again);
    check(again == written);
    return 0;
}
