#pragma once

#include "FakeDesktop.h"
#include "base/Textos.h"
#include "window/Programa.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace quelvar::test {

// A freshly started program on a fake desktop.
struct Started {
    FakeDesktop desk;
    Programa prog{desk, &desk};
    FrmQuelvar& f = prog.frmQuelvar;
    Module1& m = prog.modulo;

    Started() { f.Form_Load(); }

    void manual() {
        f.mnuApManual.Checked = true;
        f.mnuApAleatoria.Checked = false;
    }
    // Multiple-bet shape as the play-mode commands leave it.
    void multiple(int size) {
        f.mnuApSen.Checked = false;
        f.mnuApMul.Checked = true;
        f.cmdApuesta.Caption = textos::BotonMultiple;
        m.CantidadMultiple = static_cast<std::uint8_t>(size);
        if (size) f.lblApmul[size].aplicar(LookSeleccionada);
    }
    // A multiple bet of this size chosen through the commands, to be filled
    // by hand.
    void multipleByHand(int size) {
        f.mnuApMul_Click();
        f.lblApmul_Click(size);
        manual();
    }
    // The window lock a running draw applies, to see which clicks undo it.
    void lock() { GruposControl(m, f, prog.ventana).bloquearVentana(); }
    int focusRequests() const { return desk.contar(Pedido::Tipo::Foco); }
    bool released() const {
        return f.cmdApuesta.Enabled && f.BarraActiva && f.mnuArchivo.Enabled && f.mnuApuesta.Enabled &&
               f.mnuImprimir.Enabled && f.mnuAyuda.Enabled;
    }
    bool lockedAsBefore() const {
        return !f.cmdApuesta.Enabled && !f.BarraActiva && !f.mnuArchivo.Enabled && !f.mnuApuesta.Enabled &&
               !f.mnuImprimir.Enabled && !f.mnuAyuda.Enabled;
    }
};

inline QString q(const std::string& s) { return QString::fromStdString(s); }

// The ticket's slots in one line: the shape, then "numbers/stars" per bet.
inline QString dumpSlots(const FrmQuelvar& f, const Module1& m) {
    auto join = [](const auto& row, int n) {
        QStringList parts;
        for (int i = 1; i <= n; ++i)
            parts << q(row[i].str());
        return parts.join(',');
    };
    if (f.mnuApMul.Checked)
        return QStringLiteral("M%1:").arg(m.CantidadMultiple) + join(m.NumerosMultiple, MaximoMultiple) + "/" +
               join(m.Estrellas[1], EstrellasPorApuesta);
    QStringList bets;
    for (int b = 1; b <= Apuestas; ++b)
        bets << join(m.Numeros[b], NumerosPorApuesta) + "/" + join(m.Estrellas[b], EstrellasPorApuesta);
    return "S:" + bets.join(';');
}

// Every cell that is not free, as "board.number", "board*star" and "#size".
inline QString dumpCells(const FrmQuelvar& f) {
    QStringList out;
    for (int b = 1; b <= Apuestas; ++b) {
        for (int k = 1; k <= NumerosPorTablero; ++k)
            if (!f.tablero[b].lblNral[k].libre()) out << QStringLiteral("%1.%2").arg(b).arg(k);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            if (!f.tablero[b].lblEstrella[k].libre()) out << QStringLiteral("%1*%2").arg(b).arg(k);
    }
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        if (!f.lblApmul[k].libre()) out << QStringLiteral("#%1").arg(k);
    return out.join(' ');
}

// Cells whose look disagrees with the slots of the current shape: a cell is
// selected exactly when a slot of its bet names it, and nothing is lit. In
// the multiple shape board 1 shows every multiple slot and the other boards
// show nothing. Empty when all agree.
inline QString looksAgainstSlots(const FrmQuelvar& f, const Module1& m) {
    QStringList wrong;
    auto check = [&](const Celda& c, const std::vector<std::string>& held, int b, char sep, int k) {
        const bool in = std::find(held.begin(), held.end(), c.Caption) != held.end();
        if (c.seleccionada() != in || !(c.seleccionada() || c.libre()))
            wrong << QStringLiteral("%1%2%3").arg(b).arg(QChar(sep)).arg(k);
    };
    auto texts = [](const Slot* row, int n) {
        std::vector<std::string> out;
        for (int s = 1; s <= n; ++s)
            if (!row[s].isFree()) out.push_back(row[s].str());
        return out;
    };
    const bool multiple = f.mnuApMul.Checked;
    for (int b = 1; b <= Apuestas; ++b) {
        const std::vector<std::string> numbers = !multiple ? texts(m.Numeros[b].data(), NumerosPorApuesta)
                                                 : b == 1  ? texts(m.NumerosMultiple.data(), MaximoMultiple)
                                                           : std::vector<std::string>{};
        const std::vector<std::string> stars =
            !multiple || b == 1 ? texts(m.Estrellas[b].data(), EstrellasPorApuesta) : std::vector<std::string>{};
        for (int k = 1; k <= NumerosPorTablero; ++k)
            check(f.tablero[b].lblNral[k], numbers, b, '.', k);
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            check(f.tablero[b].lblEstrella[k], stars, b, '*', k);
    }
    return wrong.join(' ');
}

} // namespace quelvar::test

// Asserts one recorded message box exactly; every box here is titled Quelvar.
#define QCOMPARE_BOX(box, TEXT, BUTTONS, ICON)                                                                         \
    do {                                                                                                               \
        QCOMPARE(quelvar::test::q((box).text), QString::fromUtf8(TEXT));                                               \
        QVERIFY((box).buttons == (BUTTONS));                                                                           \
        QVERIFY((box).icon == (ICON));                                                                                 \
        QCOMPARE(quelvar::test::q((box).title), QStringLiteral("Quelvar"));                                            \
    } while (false)
