// The .qlv format: what a file's bytes load, and what a ticket writes.

#include "TestSupport.h"
#include "betfile/Numero.h"

#include <random>

using namespace quelvar;
using namespace quelvar::test;
using Resultado = Lectura::Resultado;

namespace {
QByteArray crlf(const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toLatin1(); }
const QString Empty = "S:,,,,/,;,,,,/,;,,,,/,;,,,,/,;,,,,/,";
} // namespace

class TestFormato : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("outcome"); // Resultado
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<bool>("button");

        QTest::newRow("two bets, a star missing")
            << crlf({"2", "7", "23", "41", "3", "50", "2", "9", "11", "12", "13", "14", "15", "5", ""}) << 0 << 0
            << "S:7,23,41,3,50/2,9;11,12,13,14,15/5,;,,,,/,;,,,,/,;,,,,/,"
            << "1.3 1.7 1.23 1.41 1.50 1*2 1*9 2.11 2.12 2.13 2.14 2.15 2*5" << true;
        QTest::newRow("count 0") << crlf({"0"}) << 0 << 0 << Empty << "" << true;
        QTest::newRow("negative count") << crlf({"-2", "1", "2", "3", "4", "5", "6", "7"}) << 0 << 0 << Empty << ""
                                        << true;
        QTest::newRow("fractional count") << crlf({"2.5", "1"}) << 0 << 0 << Empty << "" << true;
        QTest::newRow("count with blanks and sign") << crlf({" +1 ", "1", "2", "3", "4", "5", "6", "7"}) << 0 << 0
                                                    << "S:1,2,3,4,5/6,7;,,,,/,;,,,,/,;,,,,/,;,,,,/,"
                                                    << "1.1 1.2 1.3 1.4 1.5 1*6 1*7" << true;
        QTest::newRow("letters") << crlf({"abc", "1"}) << 1 << 0 << Empty << "" << true;
        QTest::newRow("empty first line") << crlf({"", "1"}) << 1 << 0 << Empty << "" << true;
        QTest::newRow("no bytes") << QByteArray() << 1 << 0 << Empty << "" << true;
        QTest::newRow("bare line feeds") << QByteArray("1\n1\n2\n3\n4\n5\n6\n7\n") << 1 << 0 << Empty << "" << true;
        QTest::newRow("hex is not a number") << crlf({"&H2"}) << 1 << 0 << Empty << "" << true;
        QTest::newRow("too few lines for three bets")
            << crlf({"3", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}) << 2 << 9 << Empty
            << "" << true;
        QTest::newRow("extra lines and no final CR LF") << QByteArray("1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9")
                                                        << 0 << 0 << "S:1,2,3,4,5/6,7;,,,,/,;,,,,/,;,,,,/,;,,,,/,"
                                                        << "1.1 1.2 1.3 1.4 1.5 1*6 1*7" << true;
        QTest::newRow("values that name no cell") << crlf({"1", "07", "51", " 3", "x", "", "0", "10"}) << 0 << 0
                                                  << "S:07,51, 3,x,/0,10;,,,,/,;,,,,/,;,,,,/,;,,,,/,"
                                                  << "" << true;
        static const char binary[] = "1\r\n\x00\x01\r\n\xff\xfe\r\n7\r7\r\n4\n\r\n5\r\n\r\n\r\n";
        QTest::newRow("bytes of any kind are text")
            << QByteArray(binary, sizeof binary - 1) << 0 << 0
            << QString::fromStdString(std::string("S:") + std::string("\0\1", 2) +
                                      ",\xff\xfe,7\r7,4\n,5/,;,,,,/,;,,,,/,;,,,,/,;,,,,/,")
            << "1.5" << true;
        QTest::newRow("multiple of 7, complete")
            << crlf({"7", "4", "8", "15", "16", "23", "42", "50", "3", "9"}) << 0 << 0 << "M7:4,8,15,16,23,42,50,,,/3,9"
            << "1.4 1.8 1.15 1.16 1.23 1.42 1.50 1*3 1*9 #7" << false;
        QTest::newRow("multiple of 6, a star missing")
            << crlf({"6", "1", "2", "3", "4", "5", "6", "3", ""}) << 0 << 0 << "M6:1,2,3,4,5,6,,,,/3,"
            << "1.1 1.2 1.3 1.4 1.5 1.6 1*3 #6" << true;
        QTest::newRow("multiple with a free number")
            << crlf({"8", "1", "", "3", "4", "5", "6", "7", "8", "", ""}) << 0 << 0 << "M8:1,,3,4,5,6,7,8,,/,"
            << "1.1 1.3 1.4 1.5 1.6 1.7 1.8 #8" << true;
        QTest::newRow("multiple, the last number blank")
            << crlf({"7", "1", "2", "3", "4", "5", "6", "", "1", "2"}) << 0 << 0 << "M7:1,2,3,4,5,6,,,,/1,2"
            << "1.1 1.2 1.3 1.4 1.5 1.6 1*1 1*2 #7" << true;
        QTest::newRow("count written 07")
            << crlf({"07", "1", "2", "3", "4", "5", "6", "7", "1", "2"}) << 0 << 0 << "M7:1,2,3,4,5,6,7,,,/1,2"
            << "1.1 1.2 1.3 1.4 1.5 1.6 1.7 1*1 1*2" << false;
        QTest::newRow("fractional multiple count rounds")
            << crlf({"7.6", "1", "2", "3", "4", "5", "6", "7", "8", "1", "2"}) << 0 << 0 << "M8:1,2,3,4,5,6,7,8,,/1,2"
            << "1.1 1.2 1.3 1.4 1.5 1.6 1.7 1.8 1*1 1*2" << false;
        QTest::newRow("count 12: ten numbers, then the size is dropped")
            << crlf({"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}) << 2 << 9
            << "M0:1,2,3,4,5,6,7,8,9,10/,"
            << "1.1 1.2 1.3 1.4 1.5 1.6 1.7 1.8 1.9 1.10" << true;
        QTest::newRow("multiple missing its stars")
            << crlf({"6", "1", "2", "3", "4", "5", "6"}) << 2 << 9 << "M6:1,2,3,4,5,6,,,,/,"
            << "1.1 1.2 1.3 1.4 1.5 1.6 #6" << true;
        // 5.4 would round to a size of 5, which a save writes as simple bets.
        QTest::newRow("multiple count below six")
            << crlf({"5.4", "1", "2", "3", "4", "5", "1", "2"}) << 2 << 9 << Empty << "" << true;
        QTest::newRow("count above a byte") << crlf({"300", "1"}) << 2 << 6 << Empty << "" << true;
        QTest::newRow("huge count") << QByteArray(5000, '9') << 2 << 6 << Empty << "" << true;
        QTest::newRow("vanishing count") << crlf({"0.000000001e-400"}) << 0 << 0 << Empty << "" << true;
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, outcome);
        QFETCH(int, code);
        QFETCH(QString, held);
        QFETCH(QString, cells);
        QFETCH(bool, button);
        Started s;
        s.f.cmdApuesta.Enabled = false;
        s.f.LimpiarTableros();
        const auto r = s.f.LeerApuesta(bytes.toStdString());
        QCOMPARE(int(r.resultado), outcome);
        QCOMPARE(r.error.code, code);
        QCOMPARE(dumpSlots(s.f, s.m), held);
        QCOMPARE(dumpCells(s.f), cells);
        QVERIFY(s.m.CantidadMultiple <= MaximoMultiple);
        QCOMPARE(q(s.f.cmdApuesta.Caption),
                 s.f.mnuApMul.Checked ? QStringLiteral("APUESTA MULTIPLE") : QStringLiteral("APUESTAS SENCILLAS"));
        QVERIFY(s.f.mnuApMul.Checked != s.f.mnuApSen.Checked);
        if (outcome == 0) QCOMPARE(s.f.cmdApuesta.Enabled, button);
    }

    void shortFileFillsFieldsButPaintsNothing() {
        Started s;
        QStringList lines{"3"};
        for (int i = 1; i <= 14; ++i)
            lines << QString::number(i);
        const auto r = s.f.LeerApuesta(crlf(lines).toStdString());
        QCOMPARE(int(r.resultado), int(Resultado::Fallida));
        QCOMPARE(q(s.m.Campos[14].str()), QStringLiteral("14"));
        QVERIFY(s.m.Campos[15].isFree()); // the empty line after the last CR LF
        QVERIFY(s.m.Numeros[1][1].isFree());
    }

    void completeMultipleSetsTheRoomFlags() {
        Started s;
        s.f.LeerApuesta(crlf({"6", "1", "2", "3", "4", "5", "6", "1", "2"}).toStdString());
        QVERIFY(!s.m.HayLugarNumero);
        QVERIFY(!s.m.HayLugarEstrella);
        QVERIFY(!s.f.cmdApuesta.Enabled);
        Started t;
        t.m.HayLugarEstrella = false;
        t.f.LeerApuesta(crlf({"6", "1", "", "3", "4", "5", "6", "1", "2"}).toStdString());
        QVERIFY(t.m.HayLugarNumero);
        QVERIFY(!t.m.HayLugarEstrella); // stars not examined
    }

    void write_data() {
        QTest::addColumn<QString>("clicks"); // "b.n" numbers, "b*s" stars, in order
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("bets 1 and 3") << "1.7 1.23 1.41 1.3 1.50 1*2 1*9 2.1 2.2 2.3 2.4 2.5 3.44"
                                      << crlf({"3", "7", "23", "41", "3",  "50", "2", "9", "", "", "",
                                               "",  "",  "",   "",   "44", "",   "",  "",  "", "", ""});
        QTest::newRow("nothing") << "" << QByteArray("0\r\n");
        QTest::newRow("stars only on bet 2")
            << "1*1 1*2 2*5" << crlf({"2", "", "", "", "", "", "1", "2", "", "", "", "", "", "5", ""});
    }
    void write() {
        QFETCH(QString, clicks);
        QFETCH(QByteArray, bytes);
        Started s;
        s.manual();
        for (const QString& c : clicks.split(' ', Qt::SkipEmptyParts)) {
            const bool star = c.contains('*');
            const QStringList bn = c.split(star ? '*' : '.');
            if (star)
                s.f.clickEstrella(bn[0].toInt(), bn[1].toInt());
            else
                s.f.clickNumero(bn[0].toInt(), bn[1].toInt());
        }
        if (clicks.startsWith("1.7")) { // empty bet 2 again, keep bet 3
            for (int k = 1; k <= 5; ++k)
                s.m.Numeros[2][k] = "";
        }
        std::string out;
        s.f.EscribirApuesta(out);
        QCOMPARE(QByteArray::fromStdString(out), bytes);
    }

    void writeMultipleAsHeld() {
        Started s;
        s.multiple(7);
        const char* held[] = {"42", "07", "3", "", "9", "1", "50"};
        for (int i = 0; i < 7; ++i)
            s.m.NumerosMultiple[i + 1] = std::string(held[i]);
        s.m.NumerosMultiple[2] = Slot::number(7);
        s.m.Numeros[2][1] = "5"; // not part of this shape
        s.m.Estrellas[1][2] = Slot::number(4);
        std::string out;
        s.f.EscribirApuesta(out);
        QCOMPARE(QByteArray::fromStdString(out), crlf({"7", "42", "7", "3", "", "9", "1", "50", "", "4"}));
    }

    // Any ticket the program can hold reads back as it was written.
    void roundTrip() {
        std::mt19937 rng(20261208);
        auto value = [&](int max) -> Slot {
            switch (rng() % 4) {
            case 0: return Slot();
            case 1: return Slot::number(int(rng() % max) + 1);
            default: return Slot::text(std::to_string(rng() % max + 1));
            }
        };
        for (int round = 0; round < 2000; ++round) {
            Started s;
            const bool multiple = rng() % 2;
            if (multiple) {
                const int size = 6 + int(rng() % 5);
                s.multiple(size);
                for (int i = 1; i <= size; ++i)
                    s.m.NumerosMultiple[i] = value(50);
            } else {
                for (int b = 1; b <= Apuestas; ++b)
                    for (int k = 1; k <= NumerosPorApuesta; ++k)
                        s.m.Numeros[b][k] = value(50);
            }
            const int starRows = multiple ? 1 : Apuestas;
            for (int b = 1; b <= starRows; ++b)
                for (int k = 1; k <= EstrellasPorApuesta; ++k)
                    s.m.Estrellas[b][k] = value(9);
            const QString before = dumpSlots(s.f, s.m);

            std::string bytes;
            s.f.EscribirApuesta(bytes);
            Started t;
            t.f.LimpiarTableros();
            const auto r = t.f.LeerApuesta(bytes);
            QCOMPARE(int(r.resultado), int(Resultado::Cargada));
            QCOMPARE(dumpSlots(t.f, t.m), before);
            std::string again;
            t.f.EscribirApuesta(again);
            QCOMPARE(again, bytes);
        }
    }

    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "3" << true << 3.0;
        QTest::newRow("leading zero") << "03" << true << 3.0;
        QTest::newRow("blanks") << " \t7 " << true << 7.0;
        QTest::newRow("sign") << "-2" << true << -2.0;
        QTest::newRow("fraction") << "2.5" << true << 2.5;
        QTest::newRow("point first") << ".5" << true << 0.5;
        QTest::newRow("exponent") << "1e1" << true << 10.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("inner blank") << "1 2" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("bad exponent") << "1e" << false << 0.0;
        QTest::newRow("comma") << "2,5" << false << 0.0;
        QTest::newRow("carriage return") << "3\r" << false << 0.0;
    }
    void numbers() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto n = leerNumero(text.toStdString());
        QCOMPARE(n.has_value(), ok);
        if (ok) QCOMPARE(*n, value);
    }
};

QTEST_APPLESS_MAIN(TestFormato)
#include "test_formato.moc"
