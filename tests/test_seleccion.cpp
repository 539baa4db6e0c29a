// Choosing numbers and stars by clicking the boards.

#include "TestSupport.h"

using namespace quelvar;
using namespace quelvar::test;

namespace {
const char* const Maximo = "Ya se han seleccionado el maximo de números permitidos";
const char* const Prompt = "Desea habilitar la modalidad\nApuesta manual?";
const char* const SinCantidad = "Debe seleccionar la cantidad de números \n\nque desea jugar en esta apuesta múltiple.";

QStringList numbers(const Module1& m, int bet) {
    QStringList out;
    for (int s = 1; s <= NumerosPorApuesta; ++s)
        out << q(m.Numeros[bet][s].str());
    return out;
}

void fillBet(Started& s, int bet, std::initializer_list<int> nums) {
    for (int k : nums)
        s.f.clickNumero(bet, k);
}

enum Target { Numero1, NumeroN, Estrella1, EstrellaN };

// Clicks cell 7 (a number) or 4 (a star) of the target's board, with the
// boards before it full where the target needs it.
void clickTarget(Started& s, Target t) {
    switch (t) {
    case Numero1: s.f.lblNral_Click(7); break;
    case NumeroN: s.f.lblNral2_Click(7); break;
    case Estrella1: s.f.lblEstrella_Click(4); break;
    case EstrellaN: s.f.lblEstrella2_Click(4); break;
    }
}
Celda& targetCell(Started& s, Target t) {
    switch (t) {
    case Numero1: return s.f.tablero[1].lblNral[7];
    case NumeroN: return s.f.tablero[2].lblNral[7];
    case Estrella1: return s.f.tablero[1].lblEstrella[4];
    case EstrellaN: break;
    }
    return s.f.tablero[2].lblEstrella[4];
}
} // namespace

class TestSeleccion : public QObject {
    Q_OBJECT
private slots:
    void slotsFillInClickOrder() {
        Started s;
        s.manual();
        fillBet(s, 1, {7, 12, 3, 40, 25});
        QCOMPARE(numbers(s.m, 1), (QStringList{"7", "12", "3", "40", "25"}));
        for (int k : {7, 12, 3, 40, 25}) {
            QCOMPARE(s.f.tablero[1].lblNral[k].BackColor, 0xFF0000u);
            QCOMPARE(s.f.tablero[1].lblNral[k].ForeColor, 0xFFFFFFu);
        }
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.mnuGuardar.Enabled && s.f.mnuGuardarComo.Enabled && s.f.mnuCerrar.Enabled && s.f.mnuBorrar.Enabled);
        QVERIFY(s.desk.boxes.empty());

        s.desk.answer(MsgAnswer::Ok);
        s.f.lblNral_Click(8);
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(s.desk.boxes[0], Maximo, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.tablero[1].lblNral[8].libre());
        QVERIFY(!s.m.HayLugarNumero);
        QCOMPARE(numbers(s.m, 1), (QStringList{"7", "12", "3", "40", "25"}));
    }

    void freedSlotIsRefilledFirst() {
        Started s;
        s.manual();
        fillBet(s, 1, {7, 12, 3, 40, 25});
        s.m.Modificado = false;
        s.f.lblNral_Click(12);
        QCOMPARE(numbers(s.m, 1), (QStringList{"7", "", "3", "40", "25"}));
        QCOMPARE(s.f.tablero[1].lblNral[12].BackColor, 0xFFFFFFu);
        QCOMPARE(s.f.tablero[1].lblNral[12].ForeColor, 0xFF8080u);
        QVERIFY(s.m.HayLugarNumero);
        QVERIFY(s.m.Modificado);
        s.f.lblNral_Click(9);
        QCOMPARE(numbers(s.m, 1), (QStringList{"7", "9", "3", "40", "25"}));
    }

    void boardsFillInOrder() {
        Started s;
        s.manual();
        fillBet(s, 1, {1, 2, 3, 4});
        s.lock();
        s.f.lblNral2_Click(10);
        QVERIFY(s.f.tablero[2].lblNral[10].libre());
        QVERIFY(s.m.Numeros[2][1].isFree());
        QVERIFY(s.lockedAsBefore()); // ignored entirely: not even the release
        QCOMPARE(s.m.ApuestaActual, 1);
        s.f.lblNral_Click(5);
        s.f.lblNral2_Click(10);
        QVERIFY(s.f.tablero[2].lblNral[10].seleccionada());
        QCOMPARE(q(s.m.Numeros[2][1].str()), QStringLiteral("10"));
        QCOMPARE(s.m.ApuestaActual, 2);
        QVERIFY(s.released());
        QVERIFY(s.desk.boxes.empty());
    }

    void starsFillInOrderToo() {
        Started s;
        s.manual();
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(2);
        s.f.lblEstrella2_Click(5); // bet 2 has one star now
        s.f.lblEstrella3_Click(3);
        QVERIFY(s.f.tablero[3].lblEstrella[3].libre());
        QVERIFY(s.m.Estrellas[3][1].isFree());
        s.f.lblEstrella2_Click(6);
        s.f.lblEstrella3_Click(3);
        QVERIFY(s.f.tablero[3].lblEstrella[3].seleccionada());
        QCOMPARE(q(s.m.Estrellas[3][1].str()), QStringLiteral("3"));
        // Stars only need the stars of the bet before: numbers do not count.
        QVERIFY(s.m.Numeros[2][1].isFree());
    }

    void thirdStarHitsTheLimit() {
        Started s;
        s.manual();
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(9);
        s.desk.answer(MsgAnswer::Ok);
        s.f.lblEstrella_Click(5);
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(s.desk.boxes[0], Maximo, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.tablero[1].lblEstrella[5].libre());
        QVERIFY(!s.m.HayLugarEstrella);
        s.f.lblEstrella_Click(1);
        QVERIFY(s.m.HayLugarEstrella);
        QVERIFY(s.m.Estrellas[1][1].isFree());
        QCOMPARE(q(s.m.Estrellas[1][2].str()), QStringLiteral("9"));
    }

    void randomModeAsksFirst_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("releasedOnDecline");
        const struct {
            const char* name;
            Target t;
            bool released;
        } targets[] = {{"number board 1", Numero1, false},
                       {"number board 2", NumeroN, true},
                       {"star board 1", Estrella1, true},
                       {"star board 2", EstrellaN, true}};
        for (const auto& t : targets) {
            QTest::newRow((std::string(t.name) + ", yes").c_str()) << int(t.t) << int(MsgAnswer::Yes) << t.released;
            QTest::newRow((std::string(t.name) + ", no").c_str()) << int(t.t) << int(MsgAnswer::No) << t.released;
            QTest::newRow((std::string(t.name) + ", cancel").c_str())
                << int(t.t) << int(MsgAnswer::Cancel) << t.released;
        }
    }
    void randomModeAsksFirst() {
        QFETCH(int, target);
        QFETCH(int, answer);
        QFETCH(bool, releasedOnDecline);
        const Target t = Target(target);
        Started s;
        // Boards before the target are full, chosen by hand.
        s.manual();
        fillBet(s, 1, {1, 2, 3, 4, 5});
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(2);
        if (t == Numero1 || t == Estrella1) s.f.LimpiarTableros();
        s.f.mnuApManual.Checked = false;
        s.f.mnuApAleatoria.Checked = true;
        s.m.Modificado = false;
        s.lock();

        s.desk.answer(MsgAnswer(answer));
        clickTarget(s, t);
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(s.desk.boxes[0], Prompt, MsgButtons::YesNoCancel, MsgIcon::Question);
        if (MsgAnswer(answer) == MsgAnswer::Yes) {
            QVERIFY(s.f.mnuApManual.Checked);
            QVERIFY(!s.f.mnuApAleatoria.Checked);
            QVERIFY(targetCell(s, t).seleccionada());
            QVERIFY(s.m.Modificado);
            QVERIFY(s.released());
        } else {
            QVERIFY(!s.f.mnuApManual.Checked);
            QVERIFY(s.f.mnuApAleatoria.Checked);
            QVERIFY(targetCell(s, t).libre());
            QVERIFY(!s.m.Modificado);
            QCOMPARE(s.released(), releasedOnDecline);
            if (!releasedOnDecline) QVERIFY(s.lockedAsBefore());
        }
    }

    void multipleWithoutSizeAsksForIt() {
        Started s;
        s.manual();
        s.multiple(0);
        s.lock();
        s.desk.answer(MsgAnswer::Ok);
        s.f.lblNral_Click(7);
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(s.desk.boxes[0], SinCantidad, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.Timer1.Enabled);
        QVERIFY(s.f.tablero[1].lblNral[7].libre());
        QVERIFY(s.m.NumerosMultiple[1].isFree());
        QVERIFY(s.lockedAsBefore());

        s.desk.answer(MsgAnswer::Ok);
        s.f.lblEstrella_Click(3);
        QCOMPARE_BOX(s.desk.boxes[1], SinCantidad, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.m.Estrellas[1][1].isFree());
        QVERIFY(s.lockedAsBefore());
    }

    void multipleWithoutSizeInRandomModeShowsBothBoxes() {
        Started s;
        s.multiple(0);
        s.desk.answer(MsgAnswer::Yes);
        s.desk.answer(MsgAnswer::Ok);
        s.f.lblNral_Click(7);
        QCOMPARE(s.desk.boxes.size(), std::size_t(2));
        QCOMPARE_BOX(s.desk.boxes[0], Prompt, MsgButtons::YesNoCancel, MsgIcon::Question);
        QCOMPARE_BOX(s.desk.boxes[1], SinCantidad, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.mnuApManual.Checked);
        QVERIFY(s.f.tablero[1].lblNral[7].libre());
    }

    void multipleOfSixHoldsSix() {
        Started s;
        s.manual();
        s.multiple(6);
        for (int k : {11, 22, 33, 44, 5, 6})
            s.f.lblNral_Click(k);
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!s.m.NumerosMultiple[i].isFree());
        QCOMPARE(q(s.m.NumerosMultiple[5].str()), QStringLiteral("5"));
        QVERIFY(s.m.Numeros[1][1].isFree());
        s.desk.answer(MsgAnswer::Ok);
        s.f.lblNral_Click(7);
        QCOMPARE_BOX(s.desk.boxes[0], Maximo, MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.tablero[1].lblNral[7].libre());
        QVERIFY(s.m.NumerosMultiple[7].isFree());
    }

    void multipleBoardOneOnlyReleasesWhenASlotIsFreed() {
        Started s;
        s.manual();
        s.multiple(8);
        s.m.ApuestaActual = 3;
        s.lock();
        s.f.lblNral_Click(20); // selecting: no release in multiple mode
        QVERIFY(s.f.tablero[1].lblNral[20].seleccionada());
        QVERIFY(s.lockedAsBefore());
        QCOMPARE(s.m.ApuestaActual, 3); // board 1 numbers keep the current bet here
        s.f.lblNral_Click(20);          // deselecting frees a slot and releases
        QVERIFY(s.m.NumerosMultiple[1].isFree());
        QVERIFY(s.released());
    }

    void drawnNumberIsDeselectedByText() {
        Started s;
        s.manual();
        s.m.Numeros[1][1] = Slot::number(7);
        s.f.tablero[1].lblNral[7].aplicar(LookSeleccionada);
        s.f.lblNral_Click(7);
        QVERIFY(s.m.Numeros[1][1].isFree());
        QVERIFY(s.f.tablero[1].lblNral[7].libre());
    }

    void deselectClearsEveryMatchingSlot() {
        Started s;
        s.manual();
        s.m.Numeros[1][2] = Slot::text("9");
        s.m.Numeros[1][4] = Slot::number(9);
        s.f.tablero[1].lblNral[9].aplicar(LookSeleccionada);
        s.f.lblNral_Click(9);
        QVERIFY(s.m.Numeros[1][2].isFree());
        QVERIFY(s.m.Numeros[1][4].isFree());
    }

    void clicksIgnoredWhileDrawing() {
        Started s;
        s.manual();
        s.m.LlenandoNumeros = true;
        s.m.LlenandoEstrellas = true;
        s.lock();
        s.f.lblNral_Click(1);
        s.f.lblEstrella_Click(1);
        s.f.lblNral2_Click(1);
        s.f.lblEstrella3_Click(1);
        QVERIFY(s.f.tablero[1].lblNral[1].libre());
        QVERIFY(s.m.Numeros[1][1].isFree());
        QVERIFY(s.m.Estrellas[1][1].isFree());
        QVERIFY(s.lockedAsBefore());
        QVERIFY(!s.m.Modificado);
    }

    // Boards 2 to 5 hold no part of a multiple bet.
    void otherBoardsAreDeadInMultipleMode() {
        Started s;
        s.multipleByHand(6);
        s.f.lblEstrella_Click(3);
        s.f.lblEstrella_Click(4);
        s.lock();
        s.m.Modificado = false;
        const QString held = dumpSlots(s.f, s.m);
        for (int b = 2; b <= Apuestas; ++b) {
            s.f.clickNumero(b, 7);
            s.f.clickEstrella(b, 5);
        }
        QCOMPARE(dumpCells(s.f), QStringLiteral("1*3 1*4 #6"));
        QCOMPARE(dumpSlots(s.f, s.m), held);
        QCOMPARE(s.m.ApuestaActual, 1);
        QVERIFY(s.lockedAsBefore());
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.desk.boxes.empty());
    }

    void litCellIsNeitherFreeNorSelected() {
        Started s;
        s.manual();
        s.lock();
        s.f.tablero[1].lblNral[30].aplicar(LookIluminada);
        s.f.lblNral_Click(30);
        QVERIFY(s.f.tablero[1].lblNral[30].iluminada());
        QVERIFY(s.m.Numeros[1][1].isFree());
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.released()); // step 9 still runs
    }

    void outOfRangeIndexesAreIgnored() {
        Started s;
        s.manual();
        s.f.clickNumero(1, 0);
        s.f.clickNumero(1, 51);
        s.f.clickEstrella(6, 1);
        s.f.clickEstrella(1, 10);
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.desk.boxes.empty());
    }
};

QTEST_APPLESS_MAIN(TestSeleccion)
#include "test_seleccion.moc"
