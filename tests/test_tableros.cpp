// Clearing the boards, loading a bet from file fields, compacting the
// multiple bet.

#include "TestSupport.h"

using namespace quelvar;
using namespace quelvar::test;

namespace {
QStringList slotsText(const Module1& m) {
    QStringList out;
    for (int i = 1; i <= MaximoMultiple; ++i)
        out << q(m.NumerosMultiple[i].str());
    return out;
}
} // namespace

class TestTableros : public QObject {
    Q_OBJECT
private slots:
    void clearEmptiesEverythingAndNothingElse() {
        Started s;
        s.manual();
        for (int k : {3, 9, 27, 44, 50})
            s.f.lblNral_Click(k);
        s.f.lblEstrella_Click(4);
        s.f.lblEstrella_Click(8);
        s.f.lblNral2_Click(1);
        s.m.NumerosMultiple[10] = Slot::number(33);
        s.m.CantidadMultiple = 7;
        s.m.CantidadMultipleFijada = 8;
        s.f.lblApmul[7].aplicar(LookSeleccionada);
        s.f.tablero[4].lblNral[20].aplicar(LookIluminada);
        const auto actual = s.m.ApuestaActual;

        s.f.LimpiarTableros();

        for (int b = 1; b <= Apuestas; ++b) {
            for (int k = 1; k <= NumerosPorApuesta; ++k)
                QVERIFY(s.m.Numeros[b][k].isFree());
            for (int k = 1; k <= EstrellasPorApuesta; ++k)
                QVERIFY(s.m.Estrellas[b][k].isFree());
            for (int k = 1; k <= NumerosPorTablero; ++k)
                QVERIFY(s.f.tablero[b].lblNral[k].libre());
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                QVERIFY(s.f.tablero[b].lblEstrella[k].libre());
        }
        for (int k = 1; k <= MaximoMultiple; ++k)
            QVERIFY(s.m.NumerosMultiple[k].isFree());
        for (int k = 6; k <= 10; ++k)
            QCOMPARE(s.f.lblApmul[k].ForeColor, 0xFF8080u);
        QCOMPARE(s.m.CantidadMultiple, 0);
        // The callers own these.
        QCOMPARE(s.m.CantidadMultipleFijada, 8);
        QCOMPARE(s.m.ApuestaActual, actual);
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.mnuGuardar.Enabled);
    }

    void clickAfterClearActsOnAFreeCell() {
        Started s;
        s.manual();
        s.f.lblNral_Click(5);
        s.f.LimpiarTableros();
        s.f.lblNral_Click(5);
        QVERIFY(s.f.tablero[1].lblNral[5].seleccionada());
        QCOMPARE(q(s.m.Numeros[1][1].str()), QStringLiteral("5"));
        QVERIFY(s.desk.boxes.empty());
    }

    void loadBetTwo() {
        Started s;
        const char* fields[] = {"3", "14", "27", "33", "50", "2", "9"};
        for (int i = 0; i < 7; ++i)
            s.m.Campos[8 + i] = Slot::text(fields[i]);
        s.f.CargarApuesta2();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(q(s.m.Numeros[2][i + 1].str()), QString(fields[i]));
        QCOMPARE(q(s.m.Estrellas[2][1].str()), QStringLiteral("2"));
        QCOMPARE(q(s.m.Estrellas[2][2].str()), QStringLiteral("9"));
        int red = 0;
        for (int k = 1; k <= NumerosPorTablero; ++k)
            red += s.f.tablero[2].lblNral[k].seleccionada();
        QCOMPARE(red, 5);
        for (int k : {3, 14, 27, 33, 50}) {
            QCOMPARE(s.f.tablero[2].lblNral[k].BackColor, 0xFF0000u);
            QCOMPARE(s.f.tablero[2].lblNral[k].ForeColor, 0xFFFFFFu);
        }
        QVERIFY(s.f.tablero[2].lblEstrella[2].seleccionada());
        QVERIFY(s.f.tablero[2].lblEstrella[9].seleccionada());
        QVERIFY(s.f.tablero[2].lblEstrella[1].libre());
        // Bet 1's board and slots are not touched.
        QVERIFY(s.f.tablero[1].lblNral[3].libre());
        QVERIFY(s.m.Numeros[1][1].isFree());
        QCOMPARE(s.m.PosCampo, 14);
    }

    void valuesThatNameNoCellAreKept() {
        Started s;
        const char* fields[] = {"07", "51", " 3", "abc", "", "0", "10"};
        for (int i = 0; i < 7; ++i)
            s.m.Campos[29 + i] = Slot::text(fields[i]);
        s.f.CargarApuesta5();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(q(s.m.Numeros[5][i + 1].str()), QString(fields[i]));
        QCOMPARE(q(s.m.Estrellas[5][2].str()), QStringLiteral("10"));
        for (int k = 1; k <= NumerosPorTablero; ++k)
            QVERIFY(s.f.tablero[5].lblNral[k].libre());
        for (int k = 1; k <= EstrellasPorTablero; ++k)
            QVERIFY(s.f.tablero[5].lblEstrella[k].libre());
        QCOMPARE(s.m.PosCampo, 35);
        // The slot is taken although its cell looks free: a click on 7 still
        // selects it, into the next free slot.
        s.manual();
        for (int k : {1, 2, 3, 4, 5})
            s.f.lblNral_Click(k);
        for (int k : {1, 2, 3, 4, 5})
            s.f.lblNral2_Click(k);
        for (int k : {1, 2, 3, 4, 5})
            s.f.lblNral3_Click(k);
        for (int k : {1, 2, 3, 4, 5})
            s.f.lblNral4_Click(k);
        s.f.lblNral5_Click(7);
        QCOMPARE(q(s.m.Numeros[5][5].str()), QStringLiteral("7"));
    }

    void compact_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("size 6, one pass") << 6 << QStringList{"5", "", "17", "", "", "40", "", "", "", ""}
                                          << QStringList{"5", "17", "", "", "40", "", "", "", "", ""};
        QTest::newRow("size 5 as fixed") << 5 << QStringList{"8", "", "21", "", "30", "", "", "", "", ""}
                                         << QStringList{"8", "21", "", "30", "", "", "", "", "", ""};
        QTest::newRow("pulls in the slot past the size")
            << 6 << QStringList{"1", "2", "3", "4", "5", "", "44", "", "", ""}
            << QStringList{"1", "2", "3", "4", "5", "44", "", "", "", ""};
        QTest::newRow("a gap ripples up to slot 10")
            << 10 << QStringList{"1", "", "3", "4", "5", "6", "7", "8", "9", ""}
            << QStringList{"1", "3", "4", "5", "6", "7", "8", "9", "", ""};
        QTest::newRow("size 10, last slot moves down")
            << 10 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "", "10"}
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "10", ""};
        QTest::newRow("no size, no pass") << 0 << QStringList{"", "2", "", "", "", "", "", "", "", ""}
                                          << QStringList{"", "2", "", "", "", "", "", "", "", ""};
    }
    void compact() {
        QFETCH(int, size);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        Started s;
        for (int i = 1; i <= MaximoMultiple; ++i)
            s.m.NumerosMultiple[i] = before[i - 1].toStdString();
        s.m.CantidadMultipleFijada = static_cast<std::uint8_t>(size);
        s.m.CantidadMultiple = 0; // the pass is bounded by the fixed size alone
        s.f.CompactarMultiple();
        QCOMPARE(slotsText(s.m), after);
    }

    void compactKeepsTheFormOfAValue() {
        Started s;
        s.m.NumerosMultiple[2] = Slot::number(31);
        s.m.CantidadMultipleFijada = 6;
        s.f.CompactarMultiple();
        QCOMPARE(s.m.NumerosMultiple[1].kind(), Slot::Kind::Number);
        QCOMPARE(q(s.m.NumerosMultiple[1].str()), QStringLiteral("31"));
    }
};

QTEST_APPLESS_MAIN(TestTableros)
#include "test_tableros.moc"
