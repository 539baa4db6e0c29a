// Random events in any order the event loop could deliver them, in virtual
// time, through the entry points the window uses; the program's own rules are
// checked after every one. A failing seed is shrunk to the shortest event list
// that still fails and printed ready to paste into a regular test.
//
// Longer runs: test_monkey --events N --seeds 1,2,3 [--no-shrink] (before Qt
// Test's own arguments). --trace FILE writes one line of everything visible
// after every event (FILE.SEED when several seeds run), so that two builds can
// be shown to behave alike.

#include "TestSupport.h"
#include "VirtualClock.h"

#include <cstdio>
#include <memory>
#include <random>
#include <set>

using namespace quelvar;
using namespace quelvar::test;
using Menu = FrmQuelvar::Menu;

namespace {

long gEvents = 100000;
bool gShrink = true;
std::string gTracePath; // --trace FILE: one line of everything visible after every event
std::vector<unsigned> gSeeds = {1, 2, 3};

// The files a dialog may hand over: good ones, malformed ones, and whatever
// the program wrote itself.
const std::vector<std::pair<std::string, std::string>> Archivos = {
    {"/t/dos.qlv", "2\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n9\r\n11\r\n12\r\n13\r\n14\r\n15\r\n5\r\n\r\n"},
    {"/t/multiple.qlv", "7\r\n4\r\n8\r\n15\r\n16\r\n23\r\n42\r\n50\r\n3\r\n9\r\n"},
    {"/t/seis.qlv", "6\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n\r\n\r\n"},
    {"/t/repetidos.qlv", "1\r\n7\r\n7\r\n07\r\n51\r\n\r\n3\r\n3\r\n"},
    {"/t/cinco.qlv", "5.4\r\n1\r\n2\r\n3\r\n4\r\n5\r\n1\r\n2\r\n"},
    {"/t/doce.qlv", "12\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n"},
    {"/t/corto.qlv", "3\r\n1\r\n2\r\n"},
    {"/t/basura.qlv", std::string("\x00\xff\r\n\x01\x02 9\r\n", 9)},
    {"/t/ab", "1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"},
    {"/t/vacio.qlv", ""},
};
const std::vector<std::string> Destinos = {"/t/nuevo.qlv", "/t/dos.qlv", "/t/x", "/t/lleno.qlv", "/t/no/such/a.qlv"};

// Text with its control and high bytes as \xNN, for the trace.
std::string esc(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '|') {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

int filledSlots(const Module1& m) {
    int n = 0;
    for (int b = 1; b <= Apuestas; ++b) {
        for (int s = 1; s <= NumerosPorApuesta; ++s)
            n += !m.Numeros[b][s].isFree();
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            n += !m.Estrellas[b][s].isFree();
    }
    for (int s = 1; s <= MaximoMultiple; ++s)
        n += !m.NumerosMultiple[s].isFree();
    return n;
}

// The fake desktop, with answers that come from the event being played and
// a note of everything it was asked.
class MonkeyDesktop : public FakeDesktop {
public:
    MonkeyDesktop() {
        failing["/t/lleno.qlv"] = {false, 61, "Disco lleno", {}};
        failing["/t/no/such/a.qlv"] = {false, 53, "No se ha encontrado el archivo", {}};
    }
    std::mt19937 rng;
    Programa* prog = nullptr;
    VirtualClock* timers = nullptr;
    bool atRisk = false;          // the ticket held unsaved content since the last say or save
    bool confirmed = false;       // the user agreed to lose or replace the ticket
    bool loaded = false;          // a file was read during the event
    std::vector<std::string> log; // what the user answered, as test code
    std::string seen;             // what the desktop was asked, for the trace

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // The user takes a while in a dialog, and the timers tick meanwhile. A
    // change that comes in there needs the user's say again.
    void insideModal() {
        const long ms = std::array{0L, 10L, 260L, 1100L, 1100L, 2600L}[std::size_t(pick(6))];
        log.push_back("s.desk.timeInside.push_back(" + std::to_string(ms) + ");");
        if (ms > 0) timers->runFor(ms);
        if (prog->modulo.Modificado && filledSlots(prog->modulo) > 0) {
            atRisk = true;
            confirmed = false;
        }
    }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override {
        insideModal();
        static const char* names[] = {"Ok", "Yes", "No", "Cancel"};
        MsgAnswer a = MsgAnswer::Ok;
        if (buttons == MsgButtons::YesNo) a = pick(2) ? MsgAnswer::Yes : MsgAnswer::No;
        if (buttons == MsgButtons::YesNoCancel)
            a = std::array{MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel}[pick(3)];
        const bool saveQuestion = text.rfind(textos::PreguntaGuardar, 0) == 0;
        if ((saveQuestion && a != MsgAnswer::Cancel) || (text == textos::ReducirApuesta && a == MsgAnswer::Yes))
            confirmed = true;
        log.push_back(std::string("s.desk.answer(MsgAnswer::") + names[int(a)] + ");");
        seen += " box[" + esc(text) + "|" + std::to_string(int(buttons)) + "|" + std::to_string(int(icon)) + "|" +
                esc(title) + "]=" + names[int(a)];
        return a;
    }
    long saved = 0;
    std::optional<std::string> fileDialog(const FileDialog& d) override {
        insideModal();
        std::optional<std::string> path;
        if (pick(5) != 0) {
            if (d.mode == FileDialog::Mode::Open) {
                std::vector<std::string> names;
                for (const auto& [name, bytes] : files)
                    names.push_back(name);
                names.push_back("/t/falta.qlv");
                names.push_back("/t/" + std::string(260, 'l') + ".qlv");
                path = names[std::size_t(pick(int(names.size())))];
            } else {
                path = Destinos[std::size_t(pick(int(Destinos.size())))];
            }
        }
        log.push_back(path ? "s.desk.choose(\"" + *path + "\");" : "s.desk.choose(std::nullopt);");
        seen += " dialog[" + std::to_string(int(d.mode)) + "|" + esc(d.title) + "|" + esc(d.filterName) + "|" +
                esc(d.filterPattern) + "|" + esc(d.initialDir) + "|" + esc(d.defaultSuffix) +
                "]=" + esc(path.value_or("-"));
        return path;
    }
    std::string environment(const std::string& name) override {
        seen += " env[" + esc(name) + "]";
        return FakeDesktop::environment(name);
    }
    FileResult readFile(const std::string& path, std::size_t maxBytes) override {
        seen += " read[" + esc(path) + "|" + std::to_string(maxBytes) + "]";
        FileResult r = FakeDesktop::readFile(path, maxBytes);
        loaded = loaded || r.ok;
        return r;
    }
    FileResult writeFile(const std::string& path, const std::string& bytes) override {
        seen += " write[" + esc(path) + "|" + esc(bytes) + "]";
        FileResult r = FakeDesktop::writeFile(path, bytes);
        if (r.ok) {
            ++saved;
            atRisk = false; // what the ticket holds now is saved
        }
        return r;
    }
    std::uint64_t tick = 0;
    std::uint64_t clockReading() override { return ++tick / 3; } // readings repeat, as a real clock's do
    // The dialogs, played by the user: boxes toggled at random, then one of
    // the ways out.
    void showModal(Formulario form) override {
        insideModal();
        seen += " modal[" + std::to_string(int(form)) + "]";
        if (form == Formulario::AcercaDe) {
            FrmAcercaDe& a = prog->frmAcercaDe;
            if (pick(3) == 0) a.lblMailto_Click();
            if (pick(3) == 0) a.lblVinc_Click();
            a.Form_KeyPress(27);
            log.push_back("// about box, closed");
            return;
        }
        FrmBorrar& d = prog->frmBorrar;
        std::string play = "// delete dialog:";
        const std::size_t before = pedidos.size();
        auto open = [&] {
            for (std::size_t i = before; i < pedidos.size(); ++i)
                if (pedidos[i].tipo == Pedido::Tipo::CierreDialogo && pedidos[i].formulario == Formulario::Borrar)
                    return false;
            return true;
        };
        for (int activations = 1 + pick(2); activations > 0 && open(); --activations) {
            d.Form_Activate();
            for (int n = 1; n <= Apuestas && open(); ++n)
                if (d.Check[n].Enabled && pick(3) == 0) {
                    d.Check[n].Value = 1 - d.Check[n].Value;
                    play += " toggle " + std::to_string(n);
                }
        }
        if (!open()) {
            log.push_back(play + " closed at once");
            return;
        }
        switch (pick(3)) {
        case 0:
            d.cmdAceptar_Click();
            confirmed = true;
            play += " Aceptar";
            break;
        case 1:
            d.cmdCancelar_Click();
            play += " Cancelar";
            break;
        default:
            d.Form_KeyPress(27);
            play += " Escape";
            break;
        }
        log.push_back(play);
    }
    void shellOpen(const std::string& verb, const std::string& target) override {
        seen += " open[" + esc(verb) + "|" + esc(target) + "]";
    }
};

struct Event {
    int kind;
    int a;
    int b;
    std::uint32_t seed;
};
enum Kind { Numero, Estrella, Tamano, MenuItem, Boton, MoverBarra, ClickBarra, MoverVentana, Tick, Cerrar, Kinds };

// One run of the program over a list of events.
class World {
public:
    World() { restart(); }

    std::FILE* trace = nullptr;

    // Plays one event; returns the broken rule, empty when all hold.
    std::string play(const Event& e) {
        desk.seen.clear();
        requests_.clear();
        countRequests(true);
        std::string broken = playChecked(e);
        if (trace) {
            if (requests_.empty()) requests_ = countRequests(false);
            std::fprintf(trace, "%s\n", snapshot().c_str());
        }
        return broken;
    }

private:
    std::string playChecked(const Event& e) {
        desk.rng.seed(e.seed);
        desk.confirmed = false;
        desk.loaded = false;
        desk.log.clear();
        const bool drawBefore = drawTimer();
        const int contentBefore = filledSlots();
        desk.atRisk = m().Modificado && contentBefore > 0;
        const int sizeBefore = m().CantidadMultiple;
        FrmQuelvar& f = this->f();
        switch (e.kind) {
        case Numero: f.clickNumero(e.a, e.b); break;
        case Estrella: f.clickEstrella(e.a, e.b); break;
        case Tamano: f.lblApmul_Click(e.b); break;
        case MenuItem: f.menuClick(Menu(e.a)); break;
        case Boton:
            if (f.cmdApuesta.Enabled) f.cmdApuesta_Click();
            break;
        case MoverBarra: f.pTools_MouseMove(0, 0, float(e.a), float(e.b)); break;
        case ClickBarra: f.pTools_Click(); break;
        case MoverVentana: f.Form_MouseMove(0, 0, float(e.a), float(e.b)); break;
        case Tick:
            clock->sweepFirst = e.a != 0;
            clock->sync();
            if (clock->step() && drawBefore) ++drawTicks;
            break;
        case Cerrar: {
            int cancel = 0;
            f.Form_Unload(cancel);
            if (!cancel) {
                ++stats.restarts;
                requests_ = countRequests(false);
                restart(); // the program ended; the user starts it again
                return {};
            }
            break;
        }
        default: break;
        }
        clock->sync();
        if (drawBefore && !drawTimer()) ++stats.draws;
        stats.opened += desk.loaded;
        for (const std::string& line : desk.log)
            stats.boxes += line.rfind("s.desk.answer", 0) == 0;
        // A running draw fills a slot every pass: ticks without one are
        // counted, and every new value starts the count again.
        if (!drawTimer() || filledSlots() > contentBefore) drawTicks = 0;
        if (desk.loaded) fromFile = true;
        if (filledSlots() == 0) fromFile = false;
        const bool click = e.kind == Numero || e.kind == Estrella;
        // A size is part of what a save writes.
        if (e.kind == Tamano && f.mnuApMul.Checked &&
            (m().CantidadMultiple != sizeBefore || filledSlots() < contentBefore) && !m().Modificado)
            return "a size change not marked as a change";
        if (desk.atRisk && !desk.confirmed && (filledSlots() == 0 || desk.loaded) && !click)
            return "unsaved changes were thrown away without the user's say";
        return check();
    }

public:
    std::vector<std::string> answers() const { return desk.log; }
    long writes() const { return desk.saved; }

    // What the run went through, to see that it reached the program's corners.
    struct Stats {
        long draws = 0, opened = 0, saved = 0, boxes = 0, restarts = 0;
    } stats;

private:
    // What the program asked of the window during the event: focus for the
    // button, closing the window, each timer started.
    std::string countRequests(bool start) {
        if (start) {
            desk.pedidos.clear();
            return {};
        }
        std::string out = "focus " + std::to_string(desk.contar(Pedido::Tipo::Foco)) + " close " +
                          std::to_string(desk.contar(Pedido::Tipo::Cierre)) + " starts";
        for (const auto& t : FrmQuelvar::temporizadores())
            out += " " + std::to_string(desk.arranques(t.numero));
        return out;
    }

    // Everything the user could see or the program could leave behind.
    std::string snapshot() {
        const FrmQuelvar& f = this->f();
        const Module1& m = this->m();
        std::string out;
        auto slot = [&](const Slot& v) {
            out += "FTN"[int(v.kind())]; // free, text, number
            out += esc(v.str());
            out += ',';
        };
        out += "numeros ";
        for (int b = 1; b <= Apuestas; ++b)
            for (int i = 1; i <= NumerosPorApuesta; ++i)
                slot(m.Numeros[b][i]);
        out += " estrellas ";
        for (int b = 1; b <= Apuestas; ++b)
            for (int i = 1; i <= EstrellasPorApuesta; ++i)
                slot(m.Estrellas[b][i]);
        out += " multiple ";
        for (int i = 1; i <= MaximoMultiple; ++i)
            slot(m.NumerosMultiple[i]);
        out += " campos ";
        for (int i = 1; i <= CamposArchivo; ++i)
            slot(m.Campos[i]);
        const int vars[] = {
            m.CantidadMultiple, m.CantidadMultipleFijada, m.ApuestaActual,     m.HayLugarNumero, m.HayLugarEstrella,
            m.Modificado,       m.LlenandoNumeros,        m.LlenandoEstrellas, m.CeldaSorteo,    m.Repetido,
            m.FaltanEstrellas,  m.PasoEstrellas,          m.PasoParpadeo,      m.CantApuestas,   m.PosCampo};
        out += " vars";
        for (int v : vars)
            out += " " + std::to_string(v);
        out += " archivo " + esc(m.ArchivoActual);
        auto look = [&](const Celda& c) {
            if (c.libre() && c.ForeColor == LookLibre.fore)
                out += '.';
            else if (c.seleccionada() && c.ForeColor == LookSeleccionada.fore)
                out += 'S';
            else if (c.iluminada() && c.ForeColor == LookIluminada.fore)
                out += 'L';
            else
                out += "?" + std::to_string(c.ForeColor) + "/" + std::to_string(c.BackColor) + "?";
        };
        out += " celdas ";
        for (int b = 1; b <= Apuestas; ++b) {
            for (int k = 1; k <= NumerosPorTablero; ++k)
                look(f.tablero[b].lblNral[k]);
            out += '*';
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                look(f.tablero[b].lblEstrella[k]);
            out += ' ';
        }
        out += '#';
        for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
            look(f.lblApmul[k]);
        out += " titulo " + esc(f.Caption) + " boton " + esc(f.cmdApuesta.Caption) + " " +
               std::to_string(f.cmdApuesta.Enabled) + " menus ";
        for (const auto& e : FrmQuelvar::arbolMenu()) {
            const ItemMenu& it = f.*e.item;
            out += esc(it.Caption) + ":" + std::to_string(it.Enabled) + std::to_string(it.Checked) + ",";
        }
        out += " barra " + std::to_string(f.BarraActiva) + " " + std::to_string(f.BotonActual) + " " +
               std::to_string(f.imRaised.Left) + " " + std::to_string(f.imRaised.Top) + " " +
               std::to_string(f.imRaised.Picture) + " timers ";
        for (const auto& t : FrmQuelvar::temporizadores())
            out += std::to_string((f.*t.control).Enabled);
        const FrmBorrar& d = prog->frmBorrar;
        out += " borrar " + esc(d.Caption);
        for (int n = 1; n <= Apuestas; ++n)
            out +=
                "|" + esc(d.Check[n].Caption) + std::to_string(d.Check[n].Enabled) + std::to_string(d.Check[n].Value);
        out += "|" + esc(d.cmdAceptar.Caption) + std::to_string(d.cmdAceptar.Enabled) + esc(d.cmdCancelar.Caption) +
               std::to_string(d.cmdCancelar.Enabled);
        const FrmAcercaDe& a = prog->frmAcercaDe;
        out += " acerca " + esc(a.Caption);
        for (const std::string& line : a.Label1)
            out += "|" + esc(line);
        out += "|" + esc(a.lblMailto) + "|" + esc(a.lblVinc);
        out += " pedidos " + requests_ + " escritorio" + desk.seen;
        for (const std::string& line : desk.log)
            if (line.rfind("//", 0) == 0) out += " " + esc(line);
        return out;
    }

    std::string requests_;

    FrmQuelvar& f() { return prog->frmQuelvar; }
    Module1& m() { return prog->modulo; }

    void restart() {
        clock.reset();
        prog.reset();
        desk.files.clear();
        for (const auto& [name, bytes] : Archivos)
            desk.files[name] = bytes;
        desk.files["/t/grande.qlv"] = std::string(64 * 1024 + 1, '1');
        prog = std::make_unique<Programa>(desk, &desk);
        desk.prog = prog.get();
        f().Form_Load();
        clock = std::make_unique<VirtualClock>(f());
        desk.timers = clock.get();
        drawTicks = 0;
        fromFile = false;
    }

    bool drawTimer() {
        const FrmQuelvar& f = this->f();
        return f.Timer2.Enabled || f.Timer3.Enabled || f.Timer4.Enabled || f.Timer5.Enabled || f.Timer6.Enabled;
    }

    int filledSlots() { return ::filledSlots(m()); }

    // A drawn value never repeats another slot of its bet; values typed into
    // a file may repeat each other.
    std::string duplicates(const Slot* row, int n) {
        for (int i = 1; i <= n; ++i) {
            if (row[i].isFree()) continue;
            for (int j = i + 1; j <= n; ++j) {
                if (row[j].isFree() || !(row[i] == row[j])) continue;
                const bool drawn = row[i].kind() == Slot::Kind::Number || row[j].kind() == Slot::Kind::Number;
                if (drawn || !fromFile) return "a bet holds " + row[i].str() + " twice";
            }
        }
        return {};
    }

    std::string check() {
        const FrmQuelvar& f = this->f();
        const Module1& m = this->m();
        if (m.ApuestaActual < 1 || m.ApuestaActual > Apuestas) return "ApuestaActual out of 1..5";
        if (m.CantidadMultiple > MaximoMultiple) return "CantidadMultiple out of 0..10";
        if (m.CeldaSorteo < 0 || m.CeldaSorteo > 51) return "CeldaSorteo out of 0..51";
        if (m.PasoEstrellas > 4) return "PasoEstrellas out of 0..4";
        if (m.PasoParpadeo > 6) return "PasoParpadeo out of 0..6";
        if (f.BarraActiva != f.mnuArchivo.Enabled) return "BarraActiva differs from mnuArchivo";
        if (drawTicks > MaximoTicksSorteo) return "a draw that never ends";
        if (f.mnuApMul.Checked && m.CantidadMultiple != 0)
            for (int i = m.CantidadMultiple + 1; i <= MaximoMultiple; ++i)
                if (!m.NumerosMultiple[i].isFree()) return "a filled slot past the chosen size";
        // While numbers are drawn, nothing the user could press is alive.
        if ((f.Timer2.Enabled || f.Timer3.Enabled || f.Timer5.Enabled || f.Timer6.Enabled) &&
            (!m.LlenandoNumeros || f.cmdApuesta.Enabled || f.BarraActiva))
            return "the draw lock is broken while numbers are drawn";
        if (!drawTimer()) {
            if (m.LlenandoNumeros || m.LlenandoEstrellas) return "the draw lock is on with no draw running";
            // The only look the size chooser's blink changes is its own.
            const QString wrong = looksAgainstSlots(f, m);
            if (!wrong.isEmpty()) return "cells disagree with the ticket: " + wrong.toStdString();
        }
        for (int b = 1; b <= Apuestas; ++b) {
            if (auto d = duplicates(m.Numeros[b].data(), NumerosPorApuesta); !d.empty()) return d;
            if (auto d = duplicates(m.Estrellas[b].data(), EstrellasPorApuesta); !d.empty()) return d;
        }
        return duplicates(m.NumerosMultiple.data(), MaximoMultiple);
    }

    // A pass of 50 ticks, its end, an extra sweep tick and the draw; the
    // stars blink four times. Past this a draw has stopped moving.
    static constexpr int MaximoTicksSorteo = 60;

    MonkeyDesktop desk;
    std::unique_ptr<Programa> prog;
    std::unique_ptr<VirtualClock> clock;
    int drawTicks = 0;
    bool fromFile = false;
};

// Events weighted towards what moves a draw on, with indices past both ends.
std::vector<Event> makeEvents(unsigned seed, long count) {
    std::mt19937 rng(seed);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<Event> events;
    events.reserve(std::size_t(count));
    const int menuCount = int(FrmQuelvar::arbolMenu().size());
    for (long i = 0; i < count; ++i) {
        Event e{Tick, 0, 0, std::uint32_t(rng())};
        const int r = in(0, 199); // in half percents
        if (r < 28)
            e = {Numero, in(0, 6), in(-1, 52), e.seed};
        else if (r < 40)
            e = {Estrella, in(0, 6), in(0, 10), e.seed};
        else if (r < 43) // rarer: a size click mid-draw often ends it
            e = {Tamano, 0, in(5, 11), e.seed};
        else if (r < 47) // the shapes, more often than the other commands
            e = {MenuItem, int(in(0, 1) ? Menu::mnuApMul : Menu::mnuApSen), 0, e.seed};
        else if (r < 59) // and opening and saving, which meet the draw in their dialogs
            e = {MenuItem, int(in(0, 1) ? Menu::mnuAbrir : Menu::mnuGuardar), 0, e.seed};
        else if (r < 67)
            e = {MenuItem, int(FrmQuelvar::arbolMenu()[std::size_t(in(0, menuCount - 1))].id), 0, e.seed};
        else if (r < 77)
            e = {Boton, 0, 0, e.seed};
        else if (r < 81)
            e = {MoverBarra, in(-100, 9700), in(0, 700), e.seed};
        else if (r < 83)
            e = {ClickBarra, 0, 0, e.seed};
        else if (r < 85)
            e = {MoverVentana, in(0, 9600), in(0, 7000), e.seed};
        else if (r < 87)
            e = {Cerrar, 0, 0, e.seed};
        else
            e = {Tick, in(0, 1), 0, e.seed};
        events.push_back(e);
    }
    return events;
}

// The index of the first event after which a rule breaks, or -1.
long firstFailure(const std::vector<Event>& events, std::string* why = nullptr, World::Stats* stats = nullptr,
                  std::FILE* trace = nullptr) {
    World w;
    w.trace = trace;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const std::string broken = w.play(events[i]);
        if (!broken.empty()) {
            if (why) *why = broken;
            return long(i);
        }
    }
    if (stats) {
        *stats = w.stats;
        stats->saved = w.writes();
    }
    return -1;
}

// Drops ever smaller chunks while the list still fails.
std::vector<Event> shrink(std::vector<Event> events) {
    for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < events.size();) {
            std::vector<Event> fewer(events.begin(), events.begin() + long(start));
            fewer.insert(fewer.end(), events.begin() + long(std::min(events.size(), start + chunk)), events.end());
            const long at = firstFailure(fewer);
            if (at >= 0) {
                fewer.resize(std::size_t(at) + 1);
                events = fewer;
            } else {
                start += chunk;
            }
        }
    }
    return events;
}

std::string asCode(const Event& e) {
    switch (e.kind) {
    case Numero: return "s.f.clickNumero(" + std::to_string(e.a) + ", " + std::to_string(e.b) + ");";
    case Estrella: return "s.f.clickEstrella(" + std::to_string(e.a) + ", " + std::to_string(e.b) + ");";
    case Tamano: return "s.f.lblApmul_Click(" + std::to_string(e.b) + ");";
    case MenuItem: return "s.f.menuClick(Menu(" + std::to_string(e.a) + "));";
    case Boton: return "if (s.f.cmdApuesta.Enabled) s.f.cmdApuesta_Click();";
    case MoverBarra: return "s.f.pTools_MouseMove(0, 0, " + std::to_string(e.a) + ", " + std::to_string(e.b) + ");";
    case ClickBarra: return "s.f.pTools_Click();";
    case MoverVentana: return "s.f.Form_MouseMove(0, 0, " + std::to_string(e.a) + ", " + std::to_string(e.b) + ");";
    case Tick: return std::string("clock.sweepFirst = ") + (e.a ? "true" : "false") + "; clock.step();";
    case Cerrar: return "{ int cancel = 0; s.f.Form_Unload(cancel); } // the program restarts when not cancelled";
    default: return "";
    }
}

void report(const std::vector<Event>& events) {
    std::string why;
    firstFailure(events, &why);
    std::fprintf(stderr, "Shortest failing list (%zu events): %s\n", events.size(), why.c_str());
    World w;
    for (const Event& e : events) {
        w.play(e);
        for (const std::string& line : w.answers())
            if (line.rfind("//", 0) != 0) std::fprintf(stderr, "    %s\n", line.c_str());
        std::fprintf(stderr, "    %s\n", asCode(e).c_str());
        for (const std::string& line : w.answers())
            if (line.rfind("//", 0) == 0) std::fprintf(stderr, "    %s\n", line.c_str());
    }
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void everyRuleHoldsAfterEveryEvent_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : gSeeds)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void everyRuleHoldsAfterEveryEvent() {
        QFETCH(unsigned, seed);
        const std::vector<Event> events = makeEvents(seed, gEvents);
        std::string why;
        World::Stats seen;
        std::FILE* trace = nullptr;
        if (!gTracePath.empty()) {
            const std::string path = gSeeds.size() > 1 ? gTracePath + "." + std::to_string(seed) : gTracePath;
            trace = std::fopen(path.c_str(), "w");
            QVERIFY2(trace, path.c_str());
        }
        const long at = firstFailure(events, &why, &seen, trace);
        if (trace) std::fclose(trace);
        if (at < 0) {
            qInfo("%ld events: %ld draws ended, %ld files read, %ld written, %ld boxes answered, %ld restarts", gEvents,
                  seen.draws, seen.opened, seen.saved, seen.boxes, seen.restarts);
            return;
        }
        if (gShrink) report(shrink(std::vector<Event>(events.begin(), events.begin() + at + 1)));
        QFAIL(qPrintable(QStringLiteral("event %1 of seed %2: %3").arg(at).arg(seed).arg(q(why))));
    }
};

int main(int argc, char* argv[]) {
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--events" && i + 1 < argc) {
            gEvents = std::stol(argv[++i]);
        } else if (arg == "--trace" && i + 1 < argc) {
            gTracePath = argv[++i];
        } else if (arg == "--no-shrink") {
            gShrink = false;
        } else if (arg == "--seeds" && i + 1 < argc) {
            gSeeds.clear();
            for (const QString& s : QString(argv[++i]).split(','))
                gSeeds.push_back(s.toUInt());
        } else {
            rest.push_back(argv[i]);
        }
    }
    TestMonkey test;
    return QTest::qExec(&test, int(rest.size()), rest.data());
}

#include "test_monkey.moc"
