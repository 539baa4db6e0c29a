#include "ticket/Slot.h"

#include <QTest>

using quelvar::Slot;

class TestSlots : public QObject {
    Q_OBJECT
private slots:
    void freeSlots() {
        QVERIFY(Slot().isFree());
        QVERIFY(Slot::text("").isFree());
        QVERIFY(Slot() == Slot::text(""));
        QVERIFY(!Slot::number(7).isFree());
        QVERIFY(!Slot::text("0").isFree());
        Slot s = Slot::number(3);
        s = "";
        QVERIFY(s.isFree());
    }

    void comparedByText_data() {
        QTest::addColumn<int>("kind"); // 0 text, 1 number
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("match");
        QTest::newRow("drawn 7 is caption 7") << 1 << "7"
                                              << "7" << true;
        QTest::newRow("drawn 50") << 1 << "50"
                                  << "50" << true;
        QTest::newRow("clicked 7") << 0 << "7"
                                   << "7" << true;
        QTest::newRow("leading zero is another text") << 0 << "07"
                                                      << "7" << false;
        QTest::newRow("blank is another text") << 0 << " 7"
                                               << "7" << false;
        QTest::newRow("drawn 7 is not 17") << 1 << "7"
                                           << "17" << false;
    }
    void comparedByText() {
        QFETCH(int, kind);
        QFETCH(QString, value);
        QFETCH(QString, caption);
        QFETCH(bool, match);
        const Slot s = kind ? Slot::number(value.toInt()) : Slot::text(value.toStdString());
        QCOMPARE(s.matches(caption.toStdString()), match);
        QCOMPARE(QString::fromStdString(s.str()), value);
    }

    void numberAndTextAreEqualWhenTheirTextIs() {
        QVERIFY(Slot::number(42) == Slot::text("42"));
        QVERIFY(!(Slot::number(4) == Slot::text("04")));
        QCOMPARE(Slot::number(9).kind(), Slot::Kind::Number);
        QCOMPARE(Slot::text("9").kind(), Slot::Kind::Text);
    }
};

QTEST_APPLESS_MAIN(TestSlots)
#include "test_slots.moc"
