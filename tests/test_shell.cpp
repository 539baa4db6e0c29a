// The Qt shell's wiring, offscreen: clicks reach the model, the model's state
// reaches the widgets.

#include "TestSupport.h"
#include "qt/MainWindow.h"
#include "qt/Views.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

using namespace quelvar;
using namespace quelvar::test;
using Menu = FrmQuelvar::Menu;

namespace {
QRgb pixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p) & 0xFFFFFF; }
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void clientAreaIsFixed() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(635, 458));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
    }

    void clickOnACellSelectsAndRepaintsIt() {
        Started s;
        s.manual();
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        BoardView* board = w.board(3);
        // Bets 1 and 2 must be full before board 3 answers.
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral2_Click(k);
        w.refresh();
        const QPoint cell = board->centreOf({BoardView::Hit::Number, 38});
        QCOMPARE(board->hitTest(cell).index, 38);
        QCOMPARE(pixelAt(board, cell + QPoint(5, 5)), QRgb(0xFFFFFF));
        QTest::mouseClick(board, Qt::LeftButton, {}, cell);
        QVERIFY(s.f.tablero[3].lblNral[38].seleccionada());
        QCOMPARE(q(s.m.Numeros[3][1].str()), QStringLiteral("38"));
        // Away from the digits the cell shows its background.
        QCOMPARE(pixelAt(board, cell + QPoint(5, 5)), QRgb(0xFF0000));

        const QPoint star = board->centreOf({BoardView::Hit::Star, 9});
        QCOMPARE(board->hitTest(star).kind, BoardView::Hit::Star);
        QTest::mouseClick(board, Qt::LeftButton, {}, star); // bet 2 has no stars: ignored
        QVERIFY(s.f.tablero[3].lblEstrella[9].libre());
        // Between cells nothing is hit.
        QCOMPARE(board->hitTest(QPointF(0.5, 0.5)).kind, BoardView::Hit::None);
    }

    void promptAnsweredThroughTheWindow() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        s.desk.answer(MsgAnswer::Yes);
        QTest::mouseClick(w.board(1), Qt::LeftButton, {}, w.board(1)->centreOf({BoardView::Hit::Star, 2}));
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QVERIFY(w.action(Menu::mnuApManual)->isChecked());
        QVERIFY(!w.action(Menu::mnuApAleatoria)->isChecked());
        QVERIFY(w.action(Menu::mnuGuardar)->isEnabled());
    }

    void startUpMenus() {
        Started s;
        MainWindow w(s.f);
        for (const auto& e : FrmQuelvar::arbolMenu()) {
            const ItemMenu& it = s.f.*e.item;
            if (it.separador) continue;
            if (e.principal) {
                QCOMPARE(w.topMenu(e.id)->title(), q(it.Caption));
                QVERIFY(w.topMenu(e.id)->isEnabled());
                continue;
            }
            QAction* a = w.action(e.id);
            QCOMPARE(a->text(), q(it.Caption));
            QCOMPARE(a->isEnabled(), it.Enabled);
            QCOMPARE(a->isChecked(), it.Checked);
            QCOMPARE(a->shortcut(), QKeySequence(q(it.Shortcut)));
        }
        QVERIFY(w.action(Menu::mnuApSen)->isChecked());
        QVERIFY(w.action(Menu::mnuApAleatoria)->isChecked());
        QVERIFY(!w.action(Menu::mnuImpBoleto)->isEnabled());
        QCOMPARE(w.betButton()->text(), QStringLiteral("APUESTAS SENCILLAS"));
        QVERIFY(w.betButton()->isEnabled());
    }

    void shortcutsActOnlyWhileUsable() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QSignalSpy guardar(w.action(Menu::mnuGuardar), &QAction::triggered);
        QSignalSpy sencillas(w.action(Menu::mnuApSen), &QAction::triggered);
        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(guardar.count(), 0);
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(sencillas.count(), 1);
        // Under the window lock even an enabled item's shortcut is dead.
        s.lock();
        w.refresh();
        QVERIFY(!w.topMenu(Menu::mnuApuesta)->isEnabled());
        QVERIFY(!w.betButton()->isEnabled());
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(sencillas.count(), 1);
        s.f.liberarVentana();
        w.refresh();
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(sencillas.count(), 2);
    }

    void exitGoesThroughTheUnloadQuestions() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        s.desk.answer(MsgAnswer::No);
        w.action(Menu::mnuSalir)->trigger();
        QTRY_COMPARE(s.desk.boxes.size(), std::size_t(1));
        QCOMPARE_BOX(s.desk.boxes[0], "Seguro que desea salir de ''Quelvar'' ?", MsgButtons::YesNo, MsgIcon::Question);
        QVERIFY(w.isVisible());
        // The close box takes the same road.
        s.desk.answer(MsgAnswer::Yes);
        QVERIFY(w.close());
        QCOMPARE(s.desk.boxes.size(), std::size_t(2));
        QVERIFY(!w.isVisible());
    }

    void theButtonStartsTheDrawOnPreciseTimers() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.betButton(), Qt::LeftButton);
        QVERIFY(s.m.LlenandoNumeros);
        QVERIFY(!w.betButton()->isEnabled());
        QVERIFY(!w.topMenu(Menu::mnuArchivo)->isEnabled());
        for (int n = 2; n <= 6; ++n) {
            QCOMPARE(w.timer(n)->timerType(), Qt::PreciseTimer);
            QCOMPARE(w.timer(n)->interval(), (n == 4) ? 250 : 10);
        }
        QVERIFY(w.timer(2)->isActive());
        // The highlight is painted as it runs.
        QTRY_VERIFY(s.m.CeldaSorteo > 3);
        const int lit = s.m.CeldaSorteo;
        BoardView* board = w.board(1);
        const QPoint cell = board->centreOf({BoardView::Hit::Number, lit});
        QTRY_COMPARE(board->grab().toImage().pixel(cell + QPoint(5, 5)) & 0xFFFFFF, QRgb(0xFF8080));
        // A whole bet, then the window is given back.
        QTRY_VERIFY_WITH_TIMEOUT(!s.m.LlenandoNumeros, 20000);
        QVERIFY(w.betButton()->isEnabled());
        QVERIFY(w.topMenu(Menu::mnuArchivo)->isEnabled());
        for (int n = 2; n <= 6; ++n)
            QVERIFY(!w.timer(n)->isActive());
    }

    void sizeChooserClicksReachTheModel() {
        Started s;
        MainWindow w(s.f);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.action(Menu::mnuApMul)->trigger();
        QCOMPARE(w.betButton()->text(), QStringLiteral("APUESTA MULTIPLE"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar  -  ''Nueva Apuesta''"));
        QTest::mouseClick(w.sizeChooser(), Qt::LeftButton, {}, w.sizeChooser()->centreOf(9));
        QCOMPARE(s.m.CantidadMultiple, 9);
        QCOMPARE(w.sizeChooser()->grab().toImage().pixel(w.sizeChooser()->centreOf(9) + QPoint(5, 5)) & 0xFFFFFF,
                 QRgb(0xFF0000));
        QVERIFY(w.betButton()->isEnabled());
    }

    void timersMirrorTheModel() {
        Started s;
        MainWindow w(s.f);
        QTimer* t1 = w.timer(1);
        QVERIFY(!t1->isActive());
        s.f.Timer1.habilitar(true);
        w.refresh();
        QVERIFY(t1->isActive());
        QCOMPARE(t1->interval(), 250);
        QCOMPARE(t1->timerType(), Qt::PreciseTimer);
        // Six ticks blink the chooser three times and stop the timer.
        s.f.lblApmul[8].aplicar(LookSeleccionada);
        QTRY_VERIFY_WITH_TIMEOUT(!t1->isActive(), 10000);
        QVERIFY(s.f.lblApmul[8].seleccionada());
        QVERIFY(s.f.lblApmul[6].libre());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
