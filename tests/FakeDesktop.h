#pragma once

#include "base/Desktop.h"
#include "base/Ventana.h"

#include <QTest>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quelvar::test {

// What the program asked of its windows, in order.
struct Pedido {
    enum class Tipo { Foco, Cierre, Temporizador, CierreDialogo } tipo;
    int numero = 0;      // the timer
    bool activo = false; // started, or stopped
    Formulario formulario = Formulario::Borrar;
};

// Records every window request.
class Grabadora : public Ventana {
public:
    std::vector<Pedido> pedidos;

    void enfocarBoton() override { pedidos.push_back({Pedido::Tipo::Foco}); }
    void cerrarVentana() override { pedidos.push_back({Pedido::Tipo::Cierre}); }
    void temporizador(int numero, bool activo) override {
        pedidos.push_back({Pedido::Tipo::Temporizador, numero, activo});
    }
    void cerrarDialogo(Formulario formulario) override {
        pedidos.push_back({Pedido::Tipo::CierreDialogo, 0, false, formulario});
    }

    int contar(Pedido::Tipo tipo) const {
        return int(std::count_if(pedidos.begin(), pedidos.end(), [tipo](const Pedido& p) { return p.tipo == tipo; }));
    }
    int arranques(int numero) const {
        return int(std::count_if(pedidos.begin(), pedidos.end(), [numero](const Pedido& p) {
            return p.tipo == Pedido::Tipo::Temporizador && p.numero == numero && p.activo;
        }));
    }
    int cierres(Formulario formulario) const {
        return int(std::count_if(pedidos.begin(), pedidos.end(), [formulario](const Pedido& p) {
            return p.tipo == Pedido::Tipo::CierreDialogo && p.formulario == formulario;
        }));
    }
};

// A desktop that answers from a script. Every message box and window request
// is recorded; a box that finds no scripted answer fails the running test.
class FakeDesktop : public Desktop, public Grabadora {
public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
    };

    std::vector<Box> boxes;
    std::deque<MsgAnswer> answers;
    bool otherInstance = false;
    std::optional<std::string> startedWith; // the command line's file
    std::vector<std::string> handedOver;    // paths given to the other instance
    bool handOverTaken = true;

    void answer(MsgAnswer a) { answers.push_back(a); }

    // Virtual time that passes while a modal is up: the real window's nested
    // event loop keeps the timers firing. Each message box, file dialog or
    // dialog takes the front value (milliseconds) and hands it to passTime.
    std::deque<long> timeInside;
    std::function<void(long)> passTime;
    void insideModal() {
        if (timeInside.empty()) return;
        const long ms = timeInside.front();
        timeInside.pop_front();
        if (ms > 0 && passTime) passTime(ms);
    }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override {
        insideModal();
        boxes.push_back({text, buttons, icon, title});
        if (answers.empty()) {
            QTest::qFail(("unexpected message box: " + text).c_str(), __FILE__, __LINE__);
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
        }
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    bool anotherInstanceRunning() override { return otherInstance; }
    std::optional<std::string> startFile() override { return startedWith; }
    bool handOver(const std::string& path) override {
        handedOver.push_back(path);
        return handOverTaken;
    }

    // File dialogs answer from their own script: a path, or nothing for Cancel.
    std::vector<FileDialog> dialogs;
    std::deque<std::optional<std::string>> dialogAnswers;
    void choose(std::optional<std::string> path) { dialogAnswers.push_back(std::move(path)); }

    std::optional<std::string> fileDialog(const FileDialog& d) override {
        insideModal();
        dialogs.push_back(d);
        if (dialogAnswers.empty()) {
            QTest::qFail(("unexpected file dialog: " + d.title).c_str(), __FILE__, __LINE__);
            return std::nullopt;
        }
        auto a = dialogAnswers.front();
        dialogAnswers.pop_front();
        return a;
    }

    std::map<std::string, std::string> env;
    std::string environment(const std::string& name) override {
        auto it = env.find(name);
        return it == env.end() ? std::string() : it->second;
    }

    // An in-memory file system; a path in `failing` fails to be written.
    std::map<std::string, std::string> files;
    std::map<std::string, FileResult> failing;
    int writes = 0;

    FileResult readFile(const std::string& path, std::size_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return {false, 53, "No se ha encontrado el archivo", {}};
        if (it->second.size() > maxBytes) return {false, 7, "too large", {}};
        if (it->second.empty()) return {false, 62, "La entrada se ha pasado del final del archivo", {}};
        return {true, 0, {}, it->second};
    }
    // Dialogs: each showing is recorded and handed to the test's script,
    // which plays the user inside the dialog.
    std::vector<Formulario> shown;
    std::function<void(Formulario)> onShow;
    void showModal(Formulario form) override {
        insideModal();
        shown.push_back(form);
        if (!onShow) {
            QTest::qFail("unexpected dialog", __FILE__, __LINE__);
            return;
        }
        onShow(form);
    }
    std::vector<std::pair<std::string, std::string>> opened;
    void shellOpen(const std::string& verb, const std::string& target) override { opened.emplace_back(verb, target); }

    std::uint64_t clock = 0;
    std::uint64_t clockReading() override { return clock; }

    FileResult writeFile(const std::string& path, const std::string& bytes) override {
        ++writes;
        auto f = failing.find(path);
        if (f != failing.end()) return f->second;
        files[path] = bytes;
        return {};
    }
};

} // namespace quelvar::test
