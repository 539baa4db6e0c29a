// Bet shape, filling mode, the size chooser and its blink.

#include "TestSupport.h"
#include "VirtualClock.h"

using namespace quelvar;
using namespace quelvar::test;

namespace {
const char* const NewTicket = "Quelvar  -  ''Nueva Apuesta''";
const char* const Reduce = "La apuesta actual será modificada,\n\ndesea continuar ?";

struct Multiple : Started {
    // A multiple bet of `size` with the given numbers chosen by hand.
    Multiple(int size, std::initializer_list<int> nums) {
        f.mnuApMul_Click();
        f.lblApmul_Click(size);
        manual();
        for (int k : nums)
            f.lblNral_Click(k);
    }
};
} // namespace

class TestModos : public QObject {
    Q_OBJECT
private slots:
    void theCheckedShapeAgain() {
        Started s;
        s.manual();
        s.f.lblNral_Click(4);
        s.f.mnuApSen_Click();
        QVERIFY(s.desk.boxes.empty());
        QVERIFY(s.f.tablero[1].lblNral[4].seleccionada());

        Multiple m(7, {3, 9});
        m.m.Modificado = false;
        m.f.lblEstrella_Click(5);
        m.m.Modificado = false;
        const QString caption = q(m.f.Caption);
        m.f.mnuApMul_Click(); // no unsaved changes: emptied at once
        QVERIFY(m.desk.boxes.empty());
        QCOMPARE(dumpCells(m.f), QString());
        QCOMPARE(m.m.CantidadMultiple, 0);
        QCOMPARE(q(m.f.Caption), caption);
        QVERIFY(m.f.mnuApMul.Checked);
    }

    void theCheckedMultipleAgainWithChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emptied");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << int(MsgAnswer::Yes) << true << true;
        QTest::newRow("no") << int(MsgAnswer::No) << true << false;
        QTest::newRow("cancel") << int(MsgAnswer::Cancel) << false << false;
    }
    void theCheckedMultipleAgainWithChanges() {
        QFETCH(int, answer);
        QFETCH(bool, emptied);
        QFETCH(bool, saved);
        Multiple m(6, {3, 9});
        m.m.ArchivoActual = "/d/m.qlv";
        m.desk.answer(MsgAnswer(answer));
        m.f.mnuApMul_Click();
        QCOMPARE(m.desk.boxes.size(), std::size_t(1));
        // The tail drops ten characters of "Quelvar  -  ": two blanks remain.
        QCOMPARE_BOX(m.desk.boxes[0], "Desea guardar los cambios realizados \n\nen   ''Nueva Apuesta''",
                     MsgButtons::YesNoCancel, MsgIcon::Question);
        QCOMPARE(dumpCells(m.f).isEmpty(), emptied);
        QCOMPARE(m.desk.files.count("/d/m.qlv") == 1, saved);
        if (saved) QCOMPARE(q(m.desk.files["/d/m.qlv"]), QStringLiteral("6\r\n3\r\n9\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        QCOMPARE(m.m.Modificado, !emptied);
    }

    void shapeChangeCancelled() {
        Started s;
        s.manual();
        s.f.lblNral_Click(4);
        s.lock();
        s.desk.answer(MsgAnswer::Cancel);
        const int focus = s.focusRequests();
        s.f.mnuApMul_Click();
        QVERIFY(s.f.mnuApSen.Checked);
        QVERIFY(s.f.tablero[1].lblNral[4].seleccionada());
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QCOMPARE(s.m.ApuestaActual, 1);
        QCOMPARE(s.focusRequests(), focus); // the button was disabled: no focus
        QVERIFY(s.lockedAsBefore());        // and no release

        Multiple m(6, {1});
        m.desk.answer(MsgAnswer::Cancel);
        m.f.cmdApuesta.Enabled = false;
        m.lock();
        m.f.mnuApSen_Click();
        QVERIFY(m.f.mnuApMul.Checked);
        QVERIFY(m.f.tablero[1].lblNral[1].seleccionada());
        QVERIFY(m.released()); // "Apuestas sencillas" releases even after Cancel
        QVERIFY(m.focusRequests() > 0);
    }

    void shapeChangeSavesWhatWasThere() {
        Started s;
        s.manual();
        for (int k : {5, 6, 7, 8, 9})
            s.f.lblNral_Click(k);
        s.desk.answer(MsgAnswer::Yes);
        s.desk.choose("/d/antes.qlv");
        s.f.mnuApMul_Click();
        QCOMPARE(q(s.desk.files["/d/antes.qlv"]), QStringLiteral("1\r\n5\r\n6\r\n7\r\n8\r\n9\r\n\r\n\r\n"));
        QCOMPARE(dumpCells(s.f), QString());
        QVERIFY(s.f.mnuApMul.Checked && !s.f.mnuApSen.Checked);
        QCOMPARE(q(s.f.cmdApuesta.Caption), QStringLiteral("APUESTA MULTIPLE"));
        QCOMPARE(q(s.f.Caption), QString::fromUtf8(NewTicket));
        QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/d/antes.qlv"));
        QVERIFY(s.f.mnuApManual.Checked); // the filling mode is not touched
    }

    void shapeChangeNotSavedKeepsTheTicket() {
        Started s;
        s.manual();
        s.f.lblNral_Click(5);
        s.desk.answer(MsgAnswer::Yes);
        s.desk.choose(std::nullopt);
        s.f.mnuApMul_Click();
        QVERIFY(s.f.mnuApSen.Checked);
        QVERIFY(s.f.tablero[1].lblNral[5].seleccionada());
        QVERIFY(s.m.Modificado);

        Multiple m(6, {2});
        m.desk.answer(MsgAnswer::No);
        m.f.mnuApSen_Click();
        QVERIFY(m.f.mnuApSen.Checked);
        QCOMPARE(q(m.f.cmdApuesta.Caption), QStringLiteral("APUESTAS SENCILLAS"));
        QCOMPARE(dumpCells(m.f), QString());
        QVERIFY(!m.m.Modificado);
        QVERIFY(m.f.cmdApuesta.Enabled);
    }

    void fillingModes() {
        Started s;
        s.f.mnuApManual_Click();
        QVERIFY(s.f.mnuApManual.Checked && !s.f.mnuApAleatoria.Checked);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        s.lock();
        s.f.mnuApAleatoria_Click();
        QVERIFY(s.released());
        // With every simple number chosen the button stays disabled.
        for (int b = 1; b <= Apuestas; ++b)
            for (int k = 1; k <= 5; ++k)
                s.m.Numeros[b][k] = std::to_string(k);
        s.f.mnuApManual_Click();
        s.f.mnuApAleatoria_Click();
        QVERIFY(!s.f.cmdApuesta.Enabled);
        QVERIFY(s.f.mnuApAleatoria.Checked);
    }

    void reducingTheSize_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("deselect"); // a number taken back before the size changes, 0 none
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("cells");
        QTest::newRow("yes") << 8 << 6 << int(MsgAnswer::Yes) << 0 << "M6:11,22,33,44,5,16,,,,/,"
                             << "1.5 1.11 1.16 1.22 1.33 1.44 #6";
        QTest::newRow("no") << 8 << 6 << int(MsgAnswer::No) << 0 << ""
                            << "";
        // Every number past the new size counts, not only the leading ones.
        QTest::newRow("yes, a gap before the size") << 8 << 6 << int(MsgAnswer::Yes) << 22 << "M6:11,,33,44,5,16,,,,/,"
                                                    << "1.5 1.11 1.16 1.33 1.44 #6";
        // One fewer: the last slot alone is past the new size.
        QTest::newRow("8 to 7") << 8 << 7 << int(MsgAnswer::Yes) << 0 << "M7:11,22,33,44,5,16,27,,,/,"
                                << "1.5 1.11 1.16 1.22 1.27 1.33 1.44 #7";
        QTest::newRow("10 to 9") << 10 << 9 << int(MsgAnswer::Yes) << 0 << "M9:11,22,33,44,5,16,27,38,49,/,"
                                 << "1.5 1.11 1.16 1.22 1.27 1.33 1.38 1.44 1.49 #9";
    }
    void reducingTheSize() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, answer);
        QFETCH(int, deselect);
        QFETCH(QString, held);
        QFETCH(QString, cells);
        Multiple m(from, {});
        const int numbers[] = {11, 22, 33, 44, 5, 16, 27, 38, 49, 50};
        for (int i = 0; i < from; ++i)
            m.f.lblNral_Click(numbers[i]);
        if (deselect) m.f.lblNral_Click(deselect);
        m.m.Modificado = false;
        const QString before = dumpSlots(m.f, m.m);
        m.desk.answer(MsgAnswer(answer));
        m.f.lblApmul_Click(to);
        QCOMPARE(m.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(m.desk.boxes[0], Reduce, MsgButtons::YesNo, MsgIcon::Information);
        if (MsgAnswer(answer) == MsgAnswer::No) {
            QCOMPARE(dumpSlots(m.f, m.m), before);
            QCOMPARE(m.m.CantidadMultiple, from);
            QVERIFY(m.f.lblApmul[from].seleccionada());
            QVERIFY(!m.m.Modificado);
            return;
        }
        QCOMPARE(dumpSlots(m.f, m.m), held);
        QCOMPARE(dumpCells(m.f), cells);
        QCOMPARE(int(m.m.CantidadMultipleFijada), to);
        QVERIFY(m.m.Modificado); // the numbers freed are a change to save
    }

    // The size is part of what a save writes: changing it is a change.
    void sizeClicksMarkTheTicket_data() {
        QTest::addColumn<bool>("multiple");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("marked");
        QTest::newRow("another size") << true << 9 << true;
        QTest::newRow("the size dropped") << true << 7 << true;
        QTest::newRow("simple bets: only recorded") << false << 9 << false;
    }
    void sizeClicksMarkTheTicket() {
        QFETCH(bool, multiple);
        QFETCH(int, size);
        QFETCH(bool, marked);
        Started s;
        s.desk.files["/d/m.qlv"] = "7\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n\r\n\r\n\r\n";
        if (multiple) {
            s.desk.choose("/d/m.qlv");
            s.f.mnuAbrir_Click();
            QCOMPARE(s.m.CantidadMultiple, 7);
        }
        QVERIFY(!s.m.Modificado);
        s.f.mnuGuardar.Enabled = false;
        s.f.lblApmul_Click(size);
        QCOMPARE(s.m.Modificado, marked);
        QCOMPARE(s.f.mnuGuardar.Enabled, marked);
        if (!multiple) return;
        s.desk.answer(MsgAnswer::Ok); // a dropped size is asked for again before saving
        s.f.mnuGuardar_Click();
        if (size == 9) QCOMPARE(q(s.desk.files["/d/m.qlv"]).section("\r\n", 0, 0), QStringLiteral("9"));
    }

    void droppingTheSize() {
        Multiple m(7, {3, 4});
        m.f.lblEstrella_Click(2);
        m.f.lblApmul_Click(7);
        QCOMPARE(m.m.CantidadMultiple, 0);
        QCOMPARE(m.m.CantidadMultipleFijada, 7);
        QCOMPARE(dumpCells(m.f), QStringLiteral("1.3 1.4 1*2"));
        QCOMPARE(dumpSlots(m.f, m.m), QStringLiteral("M0:3,4,,,,,,,,/2,"));
    }

    void choosingASizeDecidesTheButton() {
        Multiple m(6, {1, 2});
        m.lock();
        m.f.lblApmul_Click(9); // manual filling, incomplete: enabled and released
        QVERIFY(m.released());
        QCOMPARE(m.m.CantidadMultipleFijada, 9);

        Multiple full(6, {1, 2, 3, 4, 5, 6});
        full.f.lblEstrella_Click(1);
        full.f.lblEstrella_Click(2);
        full.f.lblApmul_Click(6); // drops the size
        full.f.lblApmul_Click(6); // and chooses it again: the bet is complete
        QVERIFY(!full.f.cmdApuesta.Enabled);

        Started s; // simple bets: only the fixed size is recorded
        s.f.lblApmul_Click(8);
        QCOMPARE(s.m.CantidadMultipleFijada, 8);
        QCOMPARE(s.m.CantidadMultiple, 0);
        QCOMPARE(dumpCells(s.f), QString());
    }

    void theBlink() {
        Multiple m(7, {});
        m.f.Timer1.habilitar(true);
        VirtualClock clock(m.f);
        clock.step();
        QCOMPARE(dumpCells(m.f), QStringLiteral("#6 #8 #9 #10")); // every cell inverted
        // A click now acts on what the cell shows: 8 looks chosen, so it drops.
        m.f.lblApmul_Click(8);
        QCOMPARE(m.m.CantidadMultiple, 0);
        Multiple n(7, {});
        n.f.Timer1.habilitar(true);
        VirtualClock c2(n.f);
        QCOMPARE(c2.runUntilIdle(), 6);
        QCOMPARE(c2.now, 1500L);
        QCOMPARE(dumpCells(n.f), QStringLiteral("#7"));
        QCOMPARE(n.m.PasoParpadeo, 0);
    }

    // Whatever repaints the chooser from the ticket ends its blink.
    void theBlinkEndsWithItsChooser_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<int>("size");
        QTest::newRow("simple bets") << "F5"
                                     << "" << 0;
        QTest::newRow("a file of size 8") << "open"
                                          << "#8" << 8;
        QTest::newRow("the delete dialog") << "delete"
                                           << "" << 0;
    }
    void theBlinkEndsWithItsChooser() {
        QFETCH(QString, action);
        QFETCH(QString, chooser);
        QFETCH(int, size);
        Started s;
        s.f.mnuApMul_Click();
        s.manual();
        s.desk.answer(MsgAnswer::Ok);
        s.f.lblNral_Click(1); // no size yet: the message and the blink
        VirtualClock clock(s.f);
        clock.step();
        QCOMPARE(dumpCells(s.f), QStringLiteral("#6 #7 #8 #9 #10"));
        if (action == "F5") {
            s.f.menuClick(FrmQuelvar::Menu::mnuApSen);
        } else if (action == "open") {
            s.desk.files["/m8.qlv"] = "8\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n\r\n\r\n";
            s.desk.choose("/m8.qlv");
            s.f.menuClick(FrmQuelvar::Menu::mnuAbrir);
        } else {
            s.desk.onShow = [&](Formulario) { s.prog.frmBorrar.cmdAceptar_Click(); };
            s.f.mnuBorrar_Click();
        }
        clock.runUntilIdle();
        QVERIFY(!s.f.Timer1.Enabled);
        QCOMPARE(s.m.PasoParpadeo, 0);
        QCOMPARE(dumpCells(s.f).split(' ').filter("#").join(' '), chooser);
        QCOMPARE(int(s.m.CantidadMultiple), size);
        if (size) { // a click on 9 now enlarges the bet
            s.f.lblApmul_Click(9);
            QCOMPARE(s.m.CantidadMultiple, 9);
        }
    }
};

QTEST_APPLESS_MAIN(TestModos)
#include "test_modos.moc"
