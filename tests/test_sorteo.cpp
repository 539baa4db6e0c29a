// The random draw in virtual time: the sweep, the number and star draws, the
// lock and its releases, simple and multiple bets.

#include "TestSupport.h"
#include "VirtualClock.h"

#include <set>

using namespace quelvar;
using namespace quelvar::test;
using Menu = FrmQuelvar::Menu;

namespace {

int count(const FrmQuelvar& f, int board, bool (Celda::*look)() const, bool stars = false) {
    int n = 0;
    if (stars) {
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            n += (f.tablero[board].lblEstrella[k].*look)();
    } else {
        for (int k = 1; k <= NumerosPorTablero; ++k)
            n += (f.tablero[board].lblNral[k].*look)();
    }
    return n;
}

// Every number in the row is in range, distinct, and shown selected.
void verifyNumbers(const FrmQuelvar& f, const Slot* row, int n, int board) {
    std::set<int> seen;
    for (int s = 1; s <= n; ++s) {
        QVERIFY(!row[s].isFree());
        const int v = std::stoi(row[s].str());
        QVERIFY(v >= 1 && v <= NumerosPorTablero);
        QVERIFY(seen.insert(v).second);
        QVERIFY(f.tablero[board].lblNral[v].seleccionada());
    }
    QCOMPARE(count(f, board, &Celda::seleccionada), n);
    QCOMPARE(count(f, board, &Celda::iluminada), 0);
}

void verifyStars(const FrmQuelvar& f, const Module1& m, int board, int bet) {
    QVERIFY(!m.Estrellas[bet][1].isFree() && !m.Estrellas[bet][2].isFree());
    QVERIFY(!(m.Estrellas[bet][1] == m.Estrellas[bet][2]));
    for (int s = 1; s <= 2; ++s) {
        const int v = std::stoi(m.Estrellas[bet][s].str());
        QVERIFY(v >= 1 && v <= EstrellasPorTablero);
        QVERIFY(f.tablero[board].lblEstrella[v].seleccionada());
    }
    QCOMPARE(count(f, board, &Celda::seleccionada, true), 2);
}

bool timersIdle(const FrmQuelvar& f) {
    return !f.Timer2.Enabled && !f.Timer3.Enabled && !f.Timer4.Enabled && !f.Timer5.Enabled && !f.Timer6.Enabled;
}

} // namespace

class TestSorteo : public QObject {
    Q_OBJECT
private slots:
    void onePressFillsOneBet_data() {
        QTest::addColumn<bool>("sweepFirst");
        QTest::newRow("draw tick first") << false;
        QTest::newRow("extra sweep tick first") << true;
    }
    void onePressFillsOneBet() {
        QFETCH(bool, sweepFirst);
        Started s;
        VirtualClock clock(s.f);
        clock.sweepFirst = sweepFirst;
        const int focus = s.focusRequests();
        s.f.cmdApuesta_Click();
        QVERIFY(s.lockedAsBefore());
        QVERIFY(s.m.LlenandoNumeros && s.m.LlenandoEstrellas);
        QVERIFY(s.f.tablero[1].lblNral[1].iluminada());
        QVERIFY(s.m.Modificado);
        int mostLit = 0;
        clock.runChecking([&] {
            mostLit = std::max(mostLit, count(s.f, 1, &Celda::iluminada));
            // Only board 1 moves.
            QCOMPARE(count(s.f, 2, &Celda::iluminada), 0);
        });
        // The extra tick leaves two cells lit until the draw clears them.
        QCOMPARE(mostLit, sweepFirst ? 2 : 1);
        QCOMPARE(clock.now, 5 * 510L + 4 * 250L);

        verifyNumbers(s.f, s.m.Numeros[1].data(), NumerosPorApuesta, 1);
        for (int k = 1; k <= NumerosPorApuesta; ++k)
            QCOMPARE(s.m.Numeros[1][k].kind(), Slot::Kind::Number);
        verifyStars(s.f, s.m, 1, 1);
        QVERIFY(s.m.Numeros[2][1].isFree());
        QVERIFY(s.released());
        QVERIFY(!s.m.LlenandoNumeros && !s.m.LlenandoEstrellas);
        QVERIFY(s.focusRequests() > focus);
        QVERIFY(timersIdle(s.f));
        QCOMPARE(s.m.CeldaSorteo, 0);
        QCOMPARE(s.m.PasoEstrellas, 0);
        QVERIFY(s.f.mnuGuardar.Enabled);
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QVERIFY(s.desk.boxes.empty());
    }

    void theSweepSkipsChosenCellsAndNeverDrawsThem() {
        Started s;
        s.manual();
        s.f.lblNral_Click(7);
        s.f.lblNral_Click(12);
        s.f.mnuApAleatoria_Click();
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        clock.runChecking([&] {
            QVERIFY(s.f.tablero[1].lblNral[7].seleccionada());
            QVERIFY(s.f.tablero[1].lblNral[12].seleccionada());
        });
        verifyNumbers(s.f, s.m.Numeros[1].data(), NumerosPorApuesta, 1);
        QCOMPARE(q(s.m.Numeros[1][1].str()), QStringLiteral("7"));
        QCOMPARE(q(s.m.Numeros[1][2].str()), QStringLiteral("12"));
    }

    void handChosenNumbersAreNotDrawnAgain() {
        Started s;
        s.manual();
        s.f.lblNral_Click(7);
        s.f.lblNral_Click(12);
        s.f.mnuApAleatoria_Click();
        ScriptedAzar azar;
        for (int v : {7, 12, 7, 33, 12, 33, 7, 41, 25})
            azar.values.push_back(ScriptedAzar::for_(v, 50));
        for (int v : {3, 3, 5})
            azar.values.push_back(ScriptedAzar::for_(v, 9));
        s.f.usarAzar(azar);
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        clock.runUntilIdle();
        QCOMPARE(dumpSlots(s.f, s.m).section(';', 0, 0), QStringLiteral("S:7,12,33,41,25/3,5"));
        QCOMPARE(s.m.Numeros[1][1].kind(), Slot::Kind::Text);
        QCOMPARE(s.m.Numeros[1][3].kind(), Slot::Kind::Number);
        QCOMPARE(azar.used, std::size_t(12)); // every scripted value, in order
    }

    void lowerBetMissingOnlyStarsComesFirst() {
        Started s;
        s.manual();
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(2);
        for (int k = 11; k <= 15; ++k)
            s.f.lblNral2_Click(k);
        s.f.mnuApAleatoria_Click();
        s.m.Modificado = false;
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        QCOMPARE(s.m.ApuestaActual, 2);
        QVERIFY(s.f.Timer4.Enabled);
        QVERIFY(s.lockedAsBefore());
        clock.runUntilIdle();
        QCOMPARE(clock.now, 4 * 250L);
        verifyStars(s.f, s.m, 2, 2);
        QVERIFY(s.m.Numeros[3][1].isFree());
        QVERIFY(s.released());
        // Drawn stars are a change to save.
        QVERIFY(s.m.Modificado);
    }

    void betMissingOneStarGetsItBeforeTheNextBet() {
        Started s;
        s.manual();
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        s.f.lblEstrella_Click(7);
        s.f.mnuApAleatoria_Click();
        ScriptedAzar azar;
        azar.values = {ScriptedAzar::for_(7, 9), ScriptedAzar::for_(7, 9), ScriptedAzar::for_(2, 9)};
        s.f.usarAzar(azar);
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        // All nine blink, the chosen one too.
        clock.step();
        QCOMPARE(count(s.f, 1, &Celda::seleccionada, true), 9);
        clock.step();
        QCOMPARE(count(s.f, 1, &Celda::seleccionada, true), 0);
        clock.runUntilIdle();
        QCOMPARE(q(s.m.Estrellas[1][1].str()), QStringLiteral("7"));
        QCOMPARE(q(s.m.Estrellas[1][2].str()), QStringLiteral("2"));
        QCOMPARE(dumpCells(s.f), QStringLiteral("1.1 1.2 1.3 1.4 1.5 1*2 1*7"));
        QVERIFY(s.m.Numeros[2][1].isFree());
    }

    void handChosenStarsReleaseAtTheLastNumber() {
        Started s;
        s.manual();
        s.f.lblEstrella_Click(3);
        s.f.lblEstrella_Click(4);
        s.f.mnuApAleatoria_Click();
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        const int focus = s.focusRequests();
        while (s.m.LlenandoNumeros)
            QVERIFY(clock.step());
        QCOMPARE(clock.now, 5 * 510L);
        QVERIFY(s.released());
        QVERIFY(s.focusRequests() > focus);
        QVERIFY(s.f.Timer4.Enabled);
        QCOMPARE(clock.runUntilIdle(), 1); // stops at its first tick
        QCOMPARE(dumpCells(s.f).count('*'), 2);
    }

    void fullTicketDisablesTheButton() {
        Started s;
        s.manual();
        for (int b = 1; b <= Apuestas; ++b) {
            for (int k = 1; k <= 5; ++k)
                s.f.clickNumero(b, k);
            s.f.clickEstrella(b, 1);
            s.f.clickEstrella(b, 2);
        }
        s.f.mnuApAleatoria_Click();
        s.m.Modificado = false;
        s.f.cmdApuesta_Click();
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QVERIFY(s.f.BarraActiva && s.f.mnuArchivo.Enabled && s.f.mnuAyuda.Enabled);
        QVERIFY(!s.m.LlenandoNumeros && !s.m.LlenandoEstrellas);
        QVERIFY(!s.m.Modificado);
        QVERIFY(timersIdle(s.f));
    }

    void theLockIgnoresTheUser() {
        Started s;
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        for (int i = 0; i < 120; ++i)
            clock.step(); // into the second number
        const QString before = dumpSlots(s.f, s.m);
        s.f.lblNral_Click(44);
        s.f.lblEstrella_Click(4);
        s.f.lblNral2_Click(9);
        for (const auto& e : FrmQuelvar::arbolMenu())
            QVERIFY(!s.f.activo(e.id));
        s.f.menuClick(Menu::mnuApMul);
        s.f.menuClick(Menu::mnuApManual);
        QVERIFY(!s.f.BarraActiva);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QCOMPARE(dumpSlots(s.f, s.m), before);
        QVERIFY(s.f.mnuApSen.Checked && s.f.mnuApAleatoria.Checked);
        QVERIFY(s.desk.boxes.empty());
        clock.runUntilIdle();
        QVERIFY(s.released());
    }

    void multipleBetsOfEverySize_data() {
        QTest::addColumn<int>("size");
        for (int k = 6; k <= 10; ++k)
            QTest::newRow(qPrintable(QString::number(k))) << k;
    }
    void multipleBetsOfEverySize() {
        QFETCH(int, size);
        Started s;
        s.f.mnuApMul_Click();
        QVERIFY(s.f.mnuApMul.Checked);
        QCOMPARE(q(s.f.cmdApuesta.Caption), QStringLiteral("APUESTA MULTIPLE"));
        s.f.lblApmul_Click(size);
        QVERIFY(s.f.cmdApuesta.Enabled);
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        QVERIFY(s.lockedAsBefore());
        clock.runUntilIdle();
        QCOMPARE(clock.now, size * 510L + 4 * 250L);
        verifyNumbers(s.f, s.m.NumerosMultiple.data(), size, 1);
        verifyStars(s.f, s.m, 1, 1);
        for (int b = 2; b <= Apuestas; ++b)
            QCOMPARE(count(s.f, b, &Celda::seleccionada), 0);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QVERIFY(s.f.BarraActiva && s.f.mnuArchivo.Enabled && s.f.mnuApuesta.Enabled);
        QVERIFY(!s.m.LlenandoNumeros && !s.m.LlenandoEstrellas);
        QVERIFY(timersIdle(s.f));
        QVERIFY(s.m.Modificado);
    }

    void multipleKeepsHandChosenNumbers() {
        Started s;
        s.multipleByHand(8);
        for (int k : {5, 25, 45})
            s.f.lblNral_Click(k);
        s.f.mnuApAleatoria_Click();
        ScriptedAzar azar;
        for (int v : {5, 25, 45, 5, 6, 7, 8, 9, 10})
            azar.values.push_back(ScriptedAzar::for_(v, 50));
        s.f.usarAzar(azar);
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        clock.runUntilIdle();
        QCOMPARE(dumpSlots(s.f, s.m).section('/', 0, 0), QStringLiteral("M8:5,25,45,6,7,8,9,10,,"));
        verifyNumbers(s.f, s.m.NumerosMultiple.data(), 8, 1);
    }

    void completeMultipleOnlyDrawsStarsWithoutLock() {
        Started s;
        s.multipleByHand(6);
        for (int k = 1; k <= 6; ++k)
            s.f.lblNral_Click(k);
        s.f.cmdApuesta.Enabled = true;
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        QVERIFY(s.f.Timer4.Enabled);
        QVERIFY(!s.f.Timer5.Enabled);
        QVERIFY(!s.m.LlenandoNumeros);
        QVERIFY(s.f.BarraActiva);
        clock.runUntilIdle();
        QCOMPARE(clock.now, 1000L);
        verifyStars(s.f, s.m, 1, 1);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QVERIFY(s.f.BarraActiva);
    }

    void multipleWithStarsChosenReleasesCellsAtOnce() {
        Started s;
        s.multipleByHand(6);
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(9);
        s.f.mnuApAleatoria_Click();
        s.f.cmdApuesta.Enabled = true;
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        while (s.f.Timer5.Enabled || s.f.Timer6.Enabled)
            QVERIFY(clock.step());
        QVERIFY(!s.m.LlenandoNumeros && !s.m.LlenandoEstrellas);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QVERIFY(s.f.BarraActiva);
        QCOMPARE(clock.runUntilIdle(), 1);
        QCOMPARE(dumpCells(s.f).count('*'), 2);
    }

    void multipleWithoutSizeAsksForIt() {
        Started s;
        s.f.mnuApMul_Click();
        s.f.cmdApuesta.Enabled = true;
        s.desk.answer(MsgAnswer::Ok);
        s.f.cmdApuesta_Click();
        QCOMPARE_BOX(s.desk.boxes[0],
                     "Debe seleccionar la cantidad de números \n\nque desea jugar en esta apuesta múltiple.",
                     MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.Timer1.Enabled);
        QVERIFY(!s.m.LlenandoNumeros);
        QVERIFY(s.f.BarraActiva);
        VirtualClock clock(s.f);
        QCOMPARE(clock.runUntilIdle(), 6); // the blink, and nothing drawn
        QVERIFY(s.m.NumerosMultiple[1].isFree());
    }

    void droppingTheSizeMidDrawEndsIt() {
        Started s;
        s.f.mnuApMul_Click();
        s.f.lblApmul_Click(10);
        VirtualClock clock(s.f);
        s.f.cmdApuesta_Click();
        for (int i = 0; i < 200; ++i)
            clock.step(); // a few numbers in
        QVERIFY(s.f.Timer5.Enabled);
        s.f.lblApmul_Click(10); // the chooser is not locked
        QCOMPARE(s.m.CantidadMultiple, 0);
        clock.runUntilIdle(1000);
        QVERIFY(timersIdle(s.f));
        QVERIFY(s.desk.boxes.empty());
        QVERIFY(!s.m.LlenandoNumeros);
        QVERIFY(s.released());
        QCOMPARE(count(s.f, 1, &Celda::iluminada), 0);
    }

    // User events and ticks around a multiple draw. Every event goes the way
    // the window delivers it: menu commands only while enabled, the button
    // only while enabled. Each tick is checked: the position stays on the
    // board and a running number draw keeps its lock.
    void eventsAroundADraw_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("numbers"); // filled multiple slots at the end
        QTest::addColumn<int>("stars");   // filled stars of bet 1 at the end
        QTest::addColumn<bool>("button");
        auto row = [](const char* name, const char* events, int numbers, int stars, bool button) {
            QTest::newRow(name) << QString::fromLatin1(events).split(' ') << numbers << stars << button;
        };
        row("smaller size already full ends the sweep", "F6 size 10 press drawn 8 ticks 20 yes size 6", 6, 2, false);
        row("size of what is drawn ends the sweep", "F6 size 10 press drawn 8 ticks 20 size 8", 8, 2, false);
        row("a size change keeps the lock", "F6 size 9 press ticks 10 size 8 locked", 8, 2, false);
        row("no second press after a size change", "F6 size 6 press size 8 press size 8 tick", 0, 0, true);
        row("the position stays on the board", "F6 size 10 press at 50 size 9 press", 9, 2, false);
        row("no old sweep in a new simple draw", "F6 manual size 6 press ticks 5 size 7 F5 press ticks 3", 7, 2, false);
        row("stars completed by hand in a white phase",
            "F6 manual size 6 num 1 num 2 num 3 num 4 num 5 num 6 star 7 "
            "press tick tick star 4",
            6, 2, true);
        row("the multiple bet's stars go to bet 1", "press idle press idle open press", 6, 2, false);
        // Time passing inside a dialog, and a simple bet's star step that
        // must stay with the bet it started on.
        row("stars drawn while the open dialog is up: asked again, kept",
            "F6 manual size 6 num 1 num 2 num 3 num 4 num 5 num 6 save random press wait 1100 cancel openfile", 6, 2,
            false);
        row("stars drawn while the open dialog is up: asked again, dropped",
            "F6 manual size 6 num 1 num 2 num 3 num 4 num 5 num 6 save random press wait 1100 no openfile", 6, 0, true);
        row("deleting the bet ends its star step", "manual star 3 star 4 random press bet1 5 delete", 0, 0, true);
        row("a press ends a star step before its sweep",
            "manual star 3 star 4 random press bet1 5 manual star 3 unpick unpick press", 0, 2, true);
        row("the star step stays on its bet", "manual star 3 star 4 random press bet1 5 manual star 3 tick num2 5", 0,
            2, true);
    }
    void eventsAroundADraw() {
        QFETCH(QStringList, events);
        QFETCH(int, numbers);
        QFETCH(int, stars);
        QFETCH(bool, button);
        Started s;
        s.desk.files["/m6.qlv"] = "6\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n\r\n\r\n";
        VirtualClock clock(s.f);
        s.desk.passTime = [&](long ms) { clock.runFor(ms); };
        auto checkTick = [&] {
            QVERIFY(s.m.CeldaSorteo >= 0 && s.m.CeldaSorteo <= 51);
            const bool numbersRunning =
                s.f.Timer2.Enabled || s.f.Timer3.Enabled || s.f.Timer5.Enabled || s.f.Timer6.Enabled;
            if (numbersRunning) QVERIFY(s.m.LlenandoNumeros && !s.f.cmdApuesta.Enabled);
        };
        auto tick = [&] {
            QVERIFY(clock.step());
            checkTick();
        };
        auto filled = [&] {
            int n = 0;
            for (int i = 1; i <= MaximoMultiple; ++i)
                n += !s.m.NumerosMultiple[i].isFree();
            return n;
        };
        for (int i = 0; i < events.size(); ++i) {
            const QString e = events[i];
            auto arg = [&] { return events[++i].toInt(); };
            if (e == "F5") {
                s.f.menuClick(Menu::mnuApSen);
            } else if (e == "F6") {
                s.f.menuClick(Menu::mnuApMul);
            } else if (e == "manual") {
                s.f.menuClick(Menu::mnuApManual);
            } else if (e == "size") {
                s.f.lblApmul_Click(arg());
            } else if (e == "num") {
                s.f.clickNumero(1, arg());
            } else if (e == "star") {
                s.f.clickEstrella(1, arg());
            } else if (e == "press") {
                if (s.f.cmdApuesta.Enabled) s.f.cmdApuesta_Click();
            } else if (e == "yes") {
                s.desk.answer(MsgAnswer::Yes);
            } else if (e == "open") {
                s.desk.answer(MsgAnswer::No); // the drawn bets are not saved
                s.desk.choose("/m6.qlv");
                s.f.menuClick(Menu::mnuAbrir);
            } else if (e == "random") {
                s.f.menuClick(Menu::mnuApAleatoria);
            } else if (e == "save") {
                s.desk.choose("/s.qlv");
                s.f.menuClick(Menu::mnuGuardar);
            } else if (e == "wait") {
                s.desk.timeInside.push_back(arg()); // inside the next dialog
            } else if (e == "cancel") {
                s.desk.answer(MsgAnswer::Cancel);
            } else if (e == "no") {
                s.desk.answer(MsgAnswer::No);
            } else if (e == "openfile") {
                s.desk.choose("/m6.qlv");
                s.f.menuClick(Menu::mnuAbrir);
            } else if (e == "delete") {
                s.desk.onShow = [&](Formulario) {
                    s.prog.frmBorrar.Form_Activate();
                    s.prog.frmBorrar.cmdAceptar_Click();
                };
                s.f.menuClick(Menu::mnuBorrar);
            } else if (e == "num2") {
                s.f.clickNumero(2, arg());
            } else if (e == "unpick") { // the first chosen number of board 1
                int k = 1;
                while (k < NumerosPorTablero && !s.f.tablero[1].lblNral[k].seleccionada())
                    ++k;
                s.f.clickNumero(1, k);
            } else if (e == "bet1") {
                const int n = arg();
                auto drawn = [&] {
                    int c = 0;
                    for (int i = 1; i <= NumerosPorApuesta; ++i)
                        c += !s.m.Numeros[1][i].isFree();
                    return c;
                };
                while (drawn() < n && !QTest::currentTestFailed())
                    tick();
            } else if (e == "tick") {
                tick();
            } else if (e == "ticks") {
                for (int n = arg(); n > 0 && !QTest::currentTestFailed(); --n)
                    tick();
            } else if (e == "drawn") {
                const int n = arg();
                while (filled() < n && !QTest::currentTestFailed())
                    tick();
            } else if (e == "at") {
                const int cell = arg();
                while (s.m.CeldaSorteo != cell && !QTest::currentTestFailed())
                    tick();
            } else if (e == "idle") {
                QVERIFY(clock.runChecking(checkTick, 20000) < 20000);
            } else if (e == "locked") {
                QVERIFY(s.lockedAsBefore());
            } else {
                QFAIL(qPrintable("unknown event " + e));
            }
            clock.sync();
        }
        QVERIFY2(clock.runChecking(checkTick, 20000) < 20000, "the draw never ends");
        QVERIFY(timersIdle(s.f) && !s.f.Timer1.Enabled);
        QVERIFY(!s.m.LlenandoNumeros && !s.m.LlenandoEstrellas);
        QCOMPARE(s.m.CeldaSorteo, 0);
        QCOMPARE(s.m.PasoEstrellas, 0);
        QCOMPARE(looksAgainstSlots(s.f, s.m), QString());
        QCOMPARE(filled(), numbers);
        QCOMPARE(int(!s.m.Estrellas[1][1].isFree()) + int(!s.m.Estrellas[1][2].isFree()), stars);
        QCOMPARE(s.f.cmdApuesta.Enabled, button);
        QVERIFY(s.f.BarraActiva && s.f.mnuArchivo.Enabled);
        QVERIFY(s.desk.answers.empty());
    }

    // 100 000 bets from the clock-seeded source: every number and star comes
    // up about equally often, and no bet repeats one.
    void drawsAreUniform() {
        Started s;
        std::uint64_t tick = 0;
        AzarReloj azar([&tick] { return (tick++) / 3; }); // the clock repeats its readings
        s.f.usarAzar(azar);
        std::array<long, 51> numbers{};
        std::array<long, 10> stars{};
        constexpr int Bets = 100000;
        for (int bet = 0; bet < Bets; ++bet) {
            s.f.LimpiarTableros();
            s.f.cmdApuesta_Click(); // starts the sweep of bet 1
            for (int n = 0; n < NumerosPorApuesta; ++n)
                s.f.Timer3_Timer();
            for (int p = 0; p < 4; ++p)
                s.f.Timer4_Timer();
            std::set<int> seen;
            for (int k = 1; k <= NumerosPorApuesta; ++k) {
                const int v = std::stoi(s.m.Numeros[1][k].str());
                if (!seen.insert(v).second) QFAIL("a number repeated in a bet");
                ++numbers[v];
            }
            const int a = std::stoi(s.m.Estrellas[1][1].str());
            const int b = std::stoi(s.m.Estrellas[1][2].str());
            if (a == b) QFAIL("a star repeated in a bet");
            ++stars[a];
            ++stars[b];
        }
        auto chi2 = [](const auto& counts, int cells, double total) {
            const double expected = total / cells;
            double sum = 0;
            for (int k = 1; k <= cells; ++k)
                sum += (counts[k] - expected) * (counts[k] - expected) / expected;
            return sum;
        };
        const double numbersChi2 = chi2(numbers, 50, 5.0 * Bets);
        const double starsChi2 = chi2(stars, 9, 2.0 * Bets);
        qInfo("chi-square: numbers %.1f (df 49), stars %.1f (df 8)", numbersChi2, starsChi2);
        QVERIFY2(numbersChi2 < 85.35, "numbers fail the chi-square test at p = 0.001"); // df 49
        QVERIFY2(starsChi2 < 26.12, "stars fail the chi-square test at p = 0.001");     // df 8
    }

    void theSourceMovesOnWithinOneClockReading() {
        AzarReloj azar([] { return std::uint64_t(42); });
        std::set<float> values;
        for (int i = 0; i < 1000; ++i) {
            const float r = azar.siguiente();
            QVERIFY(r >= 0.0f && r < 1.0f);
            values.insert(r);
        }
        QVERIFY(values.size() > 990);
        ScriptedAzar edges;
        edges.values = {0.0f, 0.99999994f, 0.0f, 0.99999994f};
        QCOMPARE(sortear(edges, 50), 1);
        QCOMPARE(sortear(edges, 50), 50);
        QCOMPARE(sortear(edges, 9), 1);
        QCOMPARE(sortear(edges, 9), 9);
    }
};

QTEST_APPLESS_MAIN(TestSorteo)
#include "test_sorteo.moc"
