// The Qt shell's wiring, offscreen: clicks reach the model, the model's state
// reaches the widgets.

#include "TestSupport.h"
#include "VirtualClock.h"
#include "qt/Accessibility.h"
#include "qt/Artwork.h"
#include "qt/BoardView.h"
#include "qt/Geometry.h"
#include "qt/Language.h"
#include "qt/MainWindow.h"
#include "qt/SizeChooserView.h"
#include "qt/ToolbarView.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QUrl>

#include "qt/AcercaDeDialog.h"
#include "qt/BorrarDialog.h"

using namespace quelvar;
using namespace quelvar::test;
using Menu = FrmQuelvar::Menu;

namespace {
QRgb pixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p) & 0xFFFFFF; }

// The window as a person finds it: shown, and drawn on the screen; active
// where the keyboard matters.
constexpr bool Active = true;
bool shown(QWidget& w, bool active = false) {
    w.show();
    return active ? QTest::qWaitForWindowActive(&w) : QTest::qWaitForWindowExposed(&w);
}

// A menu command as the user chooses it: it runs from the event loop.
void choose(MainWindow& w, Menu id) {
    w.action(id)->trigger();
    QCoreApplication::processEvents();
}

// Runs a check on the next modal dialog once it is up; a check that fails
// half way still gets the dialog closed, so the test does not hang.
template <typename Check> void onNextDialog(Check check) {
    QTimer::singleShot(50, [check] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        check(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    });
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        speakSpanish();
        installAccessibility();
    }

    void clientAreaIsFixed() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        QCOMPARE(w.centralWidget()->size(), QSize(635, 458));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
    }

    void clickOnACellSelectsAndRepaintsIt() {
        Started s;
        s.manual();
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        BoardView* board = w.board(3);
        // Bets 1 and 2 must be full before board 3 answers.
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral2_Click(k);
        w.refresh();
        const QPoint cell = board->centreOf(38);
        QCOMPARE(board->hitTest(cell), 38);
        QCOMPARE(pixelAt(board, cell + QPoint(5, 5)), QRgb(0xFFFFFF));
        QTest::mouseClick(board, Qt::LeftButton, {}, cell);
        QVERIFY(s.f.tablero[3].lblNral[38].seleccionada());
        QCOMPARE(q(s.m.Numeros[3][1].str()), QStringLiteral("38"));
        // Away from the digits the cell shows its background.
        QCOMPARE(pixelAt(board, cell + QPoint(5, 5)), QRgb(0xFF0000));

        const QPoint star = board->centreOf(celdas::estrella(9));
        QCOMPARE(board->hitTest(star), celdas::estrella(9));
        QTest::mouseClick(board, Qt::LeftButton, {}, star); // bet 2 has no stars: ignored
        QVERIFY(s.f.tablero[3].lblEstrella[9].libre());
        // Between cells nothing is hit, and the plus sign gives way to the arrow.
        QCOMPARE(board->hitTest(QPointF(0.5, 0.5)), 0);
        QTest::mouseMove(board, cell);
        QVERIFY(board->testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(board, QPoint(1, 1));
        QVERIFY(!board->testAttribute(Qt::WA_SetCursor));
    }

    // A cell of 13 x 14 pixels takes exactly those: its right and bottom
    // edges belong to the pixels beyond, at any scale.
    void cellsTakeExactlyTheirPixels_data() {
        QTest::addColumn<int>("kind"); // 0 number, 1 star, 2 size
        QTest::addColumn<qreal>("dx");
        QTest::addColumn<qreal>("dy");
        QTest::addColumn<bool>("hit");
        for (int kind = 0; kind < 3; ++kind) {
            const char* name[] = {"number", "star", "size"};
            auto row = [&](const char* where, qreal dx, qreal dy, bool hit) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name[kind], where))) << kind << dx << dy << hit;
            };
            row("top left", 0, 0, true);
            row("last pixel", 12, 13, true);
            row("last device pixel at 2x", 12.5, 13.5, true);
            row("right edge", 13, 6, false);
            row("bottom edge", 6, 14, false);
            row("above", 6, -0.5, false);
        }
    }
    void cellsTakeExactlyTheirPixels() {
        QFETCH(int, kind);
        QFETCH(qreal, dx);
        QFETCH(qreal, dy);
        QFETCH(bool, hit);
        Started s;
        MainWindow w(s.prog);
        using namespace layout;
        if (kind == 2) {
            const QPointF corner = rectF(celdaTamano(6)).topLeft();
            QCOMPARE(w.sizeChooser()->hitTest(corner + QPointF(dx, dy)), hit ? 6 : 0);
            return;
        }
        QRectF cell = rectF(celdaNumero(23));
        if (kind == 1) cell = rectF(celdaEstrella(1, 5)).translated(-px(FrameLeft[1]), -px(FrameTop));
        QCOMPARE(cell.size(), QSizeF(13, 14));
        QCOMPARE(w.board(1)->hitTest(cell.topLeft() + QPointF(dx, dy)),
                 hit ? (kind == 0 ? 23 : celdas::estrella(5)) : 0);
    }

    // The plus sign: black outline, white inside, the rest transparent, at
    // the screen's density.
    void theCellCursorIsAnOutlinedPlus() {
        for (int f : {1, 2}) {
            const QCursor c = artwork::plusCursor(f); // offscreen: as on Wayland
            QCOMPARE(c.hotSpot(), QPoint(15, 15));
            const QImage im = c.pixmap().toImage();
            QCOMPARE(im.size(), QSize(32 * f, 32 * f));
            QCOMPARE(c.pixmap().devicePixelRatio(), qreal(f));
            auto at = [&](int x, int y) { return im.pixel(x * f + f - 1, y * f); };
            QCOMPARE(at(15, 15), qRgba(255, 255, 255, 255)); // the white inside
            QCOMPARE(at(15, 5), qRgba(0, 0, 0, 255));        // the outline at the arm's end
            QCOMPARE(at(17, 10), qRgba(0, 0, 0, 255));       // the outline beside an arm
            QCOMPARE(qAlpha(at(0, 0)), 0);                   // nothing painted off the plus
            QCOMPARE(qAlpha(at(25, 25)), 0);
            int painted = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    painted += qAlpha(im.pixel(x, y)) != 0;
            QVERIFY(painted < im.width() * im.height() / 4);
        }
        QCOMPARE(artwork::plusCursor(1.25).pixmap().size(), QSize(32, 32)); // the nearest whole density
        QCOMPARE(artwork::plusCursor(1.5).pixmap().size(), QSize(64, 64));
    }

    // The raised picture lands on whole device pixels: it is the same image
    // wherever it is drawn, at 1x and at 2x.
    void theRaisedPictureIsCrisp_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }
    void theRaisedPictureIsCrisp() {
        QFETCH(qreal, ratio);
        Started s;
        MainWindow w(s.prog);
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 3 + 300, 300); // over position 4
        w.refresh();
        QCOMPARE(s.f.imRaised.Picture, 4);
        ToolbarView* bar = w.toolbar();
        QImage shown(bar->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::black);
        bar->render(&shown);
        QImage alone(QSize(49, 39) * ratio, QImage::Format_ARGB32_Premultiplied);
        alone.setDevicePixelRatio(ratio);
        alone.fill(Qt::black);
        {
            QPainter p(&alone);
            p.setRenderHint(QPainter::Antialiasing);
            artwork::paintRaised(p, 4);
        }
        const QPoint at(qRound(px(s.f.imRaised.Left) * ratio), qRound(px(s.f.imRaised.Top) * ratio));
        QImage crop = shown.copy(QRect(at, alone.size()));
        crop.setDevicePixelRatio(ratio);
        QCOMPARE(crop, alone);
    }

    // At 2x the about box's icon is drawn from a 96-pixel picture, not a
    // 64-pixel one stretched.
    void theAboutIconIsDrawnAtTheScreensDensity() {
        Started s;
        AcercaDeDialog d(s.prog.frmAcercaDe, nullptr);
        constexpr qreal ratio = 2;
        QImage shown(d.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::white);
        d.render(&shown);
        const QImage icon = artwork::programIcon().pixmap(QSize(48, 48), ratio).toImage();
        QCOMPARE(icon.size(), QSize(96, 96));
        int compared = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 96; ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    QCOMPARE(shown.pixel(32 + x, 32 + y), icon.pixel(x, y));
                    ++compared;
                }
        QVERIFY(compared > 96 * 96 / 2);
    }

    // Space starts a draw when the button has the focus: it must show.
    void theButtonShowsItsFocus() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        QPushButton* b = w.betButton();
        b->clearFocus();
        const QImage without = b->grab().toImage();
        s.prog.ventana.enfocarBoton(); // as the core asks for it
        w.refresh();
        QTRY_VERIFY(b->hasFocus());
        QCOMPARE(b->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QVERIFY(b->grab().toImage() != without);
    }

    // What a screen reader finds: every cell named with its bet and state,
    // kept in step with the model, and pressed as a click would be.
    void assistiveTechnologySeesEveryCell() {
        Started s;
        s.manual();
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        auto name = [](QAccessibleInterface* i) { return i->text(QAccessible::Name); };
        // A press returns at once; what it runs comes from the event loop.
        auto press = [](QAccessibleInterface* i) {
            i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
        };
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.board(2));
        QCOMPARE(board->childCount(), 59);
        QCOMPARE(name(board), QStringLiteral("Apuesta 2"));
        QCOMPARE(name(board->child(6)), QStringLiteral("Número 7, apuesta 2, libre"));
        QCOMPARE(name(board->child(52)), QStringLiteral("Estrella 3, apuesta 2, libre"));
        QCOMPARE(board->child(6)->role(), QAccessible::CheckBox);
        QCOMPARE(board->indexOfChild(board->child(52)), 52);
        QCOMPARE(board->childAt(board->child(6)->rect().center().x(), board->child(6)->rect().center().y()),
                 board->child(6));
        QAccessibleInterface* one = QAccessible::queryAccessibleInterface(w.board(1))->child(6);
        one->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(s.f.tablero[1].lblNral[7].libre()); // queued: the bus is answered first
        QCoreApplication::processEvents();
        QVERIFY(s.f.tablero[1].lblNral[7].seleccionada());
        QCOMPARE(name(one), QStringLiteral("Número 7, apuesta 1, seleccionado"));
        QVERIFY(one->state().checked);

        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.toolbar());
        QCOMPARE(name(bar->child(0)), QStringLiteral("Abrir"));
        QCOMPARE(bar->child(0)->role(), QAccessible::Button);
        s.desk.answer(MsgAnswer::No); // the save question before the new ticket
        press(bar->child(6));         // "Múltiples"
        QVERIFY(s.f.mnuApMul.Checked);
        QAccessibleInterface* sizes = QAccessible::queryAccessibleInterface(w.sizeChooser());
        QCOMPARE(sizes->childCount(), 5);
        QCOMPARE(name(sizes->child(2)), QStringLiteral("Cantidad 8, libre"));
        press(sizes->child(2));
        QCOMPARE(s.m.CantidadMultiple, 8);
        QCOMPARE(name(sizes->child(2)), QStringLiteral("Cantidad 8, elegida"));
        // A position is enabled exactly when its command would act.
        {
            Started fresh;
            MainWindow v(fresh.prog);
            QAccessibleInterface* tools = QAccessible::queryAccessibleInterface(v.toolbar());
            QVERIFY(!tools->child(0)->state().disabled); // Abrir
            QVERIFY(tools->child(1)->state().disabled);  // Guardar: nothing to save
            QVERIFY(tools->child(10)->state().disabled); // Imprimir runs nothing
        }
        // A menu item's press returns before the dialog it opens is up.
        s.desk.onShow = [](Formulario) {};
        QAccessibleInterface* help = QAccessible::queryAccessibleInterface(w.topMenu(Menu::mnuAyuda));
        help->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(s.desk.shown.empty());
        QCoreApplication::processEvents();
        QCOMPARE(s.desk.shown.size(), std::size_t(1));
        s.lock();
        w.refresh();
        QVERIFY(bar->child(0)->state().disabled);
    }

    // A screen reader hears of a cell when its value joins the bet, not of
    // every look the sweep and the star blink give it.
    void oneDrawTellsAScreenReaderLittle() {
        Started s;
        MainWindow w(s.prog);
        VirtualClock clock(s.f);
        QSignalSpy told(w.board(1), &BoardView::accessibleChange);
        s.f.cmdApuesta_Click();
        w.refresh();
        int refreshes = 1;
        while (clock.step()) {
            w.refresh();
            ++refreshes;
        }
        QVERIFY(refreshes > 250);                   // every sweep tick was shown
        QCOMPARE(dumpCells(s.f).count(' ') + 1, 7); // five numbers and two stars drawn
        QCOMPARE(told.count(), 7);                  // one change a value
    }

    void promptAnsweredThroughTheWindow() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        s.desk.answer(MsgAnswer::Yes);
        QTest::mouseClick(w.board(1), Qt::LeftButton, {}, w.board(1)->centreOf(celdas::estrella(2)));
        QCOMPARE(s.desk.boxes.size(), std::size_t(1));
        QVERIFY(w.action(Menu::mnuApManual)->isChecked());
        QVERIFY(!w.action(Menu::mnuApAleatoria)->isChecked());
        QVERIFY(w.action(Menu::mnuGuardar)->isEnabled());
    }

    void startUpMenus() {
        Started s;
        MainWindow w(s.prog);
        for (const auto& e : FrmQuelvar::arbolMenu()) {
            const ItemMenu& it = s.f.*e.item;
            if (it.separador) continue;
            if (e.principal) {
                QCOMPARE(QString(w.topMenu(e.id)->title()).remove('&'), q(it.Caption));
                QVERIFY(w.topMenu(e.id)->isEnabled());
                continue;
            }
            QAction* a = w.action(e.id);
            QCOMPARE(QString(a->text()).remove('&'), q(it.Caption));
            QCOMPARE(a->isEnabled(), it.Enabled);
            QCOMPARE(a->isChecked(), it.Checked);
            QCOMPARE(a->shortcut(), QKeySequence(q(it.Shortcut)));
            // As the menu shows it: "Ctrl+A", not the translation's "Control+A".
            QCOMPARE(a->shortcut().toString(QKeySequence::NativeText), q(it.Shortcut));
        }
        QVERIFY(w.action(Menu::mnuApSen)->isChecked());
        QVERIFY(w.action(Menu::mnuApAleatoria)->isChecked());
        QVERIFY(!w.action(Menu::mnuImpBoleto)->isEnabled());
        QCOMPARE(w.betButton()->text(), QStringLiteral("APUESTAS SENCILLAS"));
        QVERIFY(w.betButton()->isEnabled());
    }

    // Every title and item has an Alt+letter mnemonic, none repeated within
    // the menu bar or within a menu.
    void everyMenuHasItsOwnMnemonic() {
        Started s;
        MainWindow w(s.prog);
        auto letter = [](const QString& text) {
            const int at = int(text.indexOf('&'));
            return at >= 0 && at + 1 < text.size() && text.count('&') == 1 ? text[at + 1].toLower() : QChar();
        };
        QList<QAction*> groups = w.menuBar()->actions();
        groups.prepend(nullptr); // the menu bar's own titles
        for (QAction* group : groups) {
            const QList<QAction*> items = group ? group->menu()->actions() : w.menuBar()->actions();
            QSet<QChar> seen;
            for (QAction* a : items) {
                if (a->isSeparator()) continue;
                const QChar c = letter(a->text());
                QVERIFY2(c.isLetter(), qPrintable(a->text()));
                QVERIFY2(!seen.contains(c), qPrintable(a->text()));
                seen.insert(c);
            }
        }
    }

    // Keyboard ways in: F10 opens the first menu; Enter and Return press the
    // focused button, as Space does.
    void f10AndEnter() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(w.menuBar()->activeAction(), w.topMenu(Menu::mnuArchivo)->menuAction());
        QTest::keyClick(w.menuBar(), Qt::Key_Escape);
        for (auto [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
            Started t;
            MainWindow v(t.prog);
            QTest::keyClick(v.betButton(), key, modifier);
            QVERIFY(t.m.LlenandoNumeros); // the draw runs
        }
    }

    // The keyboard's way over a board, from the button by Tab: the arrows
    // follow the picture, down from the numbers into the stars and back.
    void arrowsMoveTheFocusCell_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("sizes");
        QTest::addColumn<int>("cell"); // numbers 1..50, stars 51..59; or a size
        using celdas::estrella;
        QTest::newRow("first cell") << QList<int>{} << false << 1;
        QTest::newRow("down, right") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right} << false << 12;
        QTest::newRow("edges hold") << QList<int>{Qt::Key_Up, Qt::Key_Left} << false << 1;
        QTest::newRow("foot of 1..9 to star 1") << QList<int>(9, Qt::Key_Down) << false << estrella(1);
        QTest::newRow("50 to star 7") << QList<int>{Qt::Key_End, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,    Qt::Key_Up,
                                                    Qt::Key_Up,  Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}
                                      << false << estrella(7);
        QTest::newRow("star 7 up to 45") << QList<int>{Qt::Key_End, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up} << false << 45;
        QTest::newRow("star 4 up to 27") << QList<int>{Qt::Key_End, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}
                                         << false << 27;
        QTest::newRow("right stops short of 46..50")
            << QList<int>{Qt::Key_End, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right} << false << 45;
        QTest::newRow("stars' edges hold")
            << QList<int>{Qt::Key_End, Qt::Key_Down, Qt::Key_Right} << false << estrella(9);
        QTest::newRow("home") << QList<int>{Qt::Key_End, Qt::Key_Home} << false << 1;
        // The size chooser: one column, up and left go back, down and right on.
        QTest::newRow("sizes, down and right") << QList<int>{Qt::Key_Down, Qt::Key_Right} << true << 8;
        QTest::newRow("sizes, left and up") << QList<int>{Qt::Key_End, Qt::Key_Left, Qt::Key_Up} << true << 8;
        QTest::newRow("sizes, edges hold") << QList<int>{Qt::Key_Up, Qt::Key_Left} << true << 6;
    }
    void arrowsMoveTheFocusCell() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, sizes);
        QFETCH(int, cell);
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        QCOMPARE(QApplication::focusWidget(), w.betButton());
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.board(1));
        for (int b = 0; sizes && b < Apuestas; ++b)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), cell % 2 ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(sizes ? w.sizeChooser()->focusCell() : w.board(1)->focusCell(), cell);
    }

    // Tab goes round the button, the five boards and the size chooser; a
    // click leaves the keyboard where it was, and a button that turns
    // disabled hands it to no board.
    void theKeyboardGoesRound() {
        Started s;
        s.manual();
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        QWidget* order[] = {w.board(1), w.board(2), w.board(3), w.board(4), w.board(5), w.sizeChooser(), w.betButton()};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(w.betButton(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.sizeChooser());
        QTest::keyClick(w.sizeChooser(), Qt::Key_Tab);
        QTest::mouseClick(w.board(1), Qt::LeftButton, {}, w.board(1)->centreOf(7));
        QVERIFY(s.f.tablero[1].lblNral[7].seleccionada());
        QCOMPARE(QApplication::focusWidget(), w.betButton());
        s.lock(); // as a draw disables the button
        w.refresh();
        QVERIFY(!w.betButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), &w);
        w.activateWindow(); // activated again: still no board
        QCOMPARE(QApplication::focusWidget(), &w);
    }

    // Space or Enter on the focus cell runs what a click on it runs, held
    // down or not; the focus shows as a frame outside the cell only.
    void aKeyIsAClickAndTheFrameLiesOutsideTheCell() {
        Started s;
        s.manual();
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        BoardView* board = w.board(1);
        QWidget* boards = board->parentWidget();
        const QImage before = boards->grab().toImage();
        QTest::keyClick(&w, Qt::Key_Tab);
        QTest::keyClick(board, Qt::Key_Space);
        QVERIFY(s.f.tablero[1].lblNral[1].seleccionada());
        QVERIFY(s.m.Modificado);
        QTest::keyClick(board, Qt::Key_Return);
        QVERIFY(s.f.tablero[1].lblNral[1].libre());
        QTest::keyPress(board, Qt::Key_Enter, Qt::KeypadModifier);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QString(), true);
        QApplication::sendEvent(board, &repeat); // held down: one press
        QTest::keyRelease(board, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(s.f.tablero[1].lblNral[1].seleccionada());
        QTest::keyClick(board, Qt::Key_Space);
        const QImage after = boards->grab().toImage();
        const QRect cell = board->cellRect(1).toAlignedRect().translated(board->pos());
        const QRect band = cell.adjusted(-2, -2, 2, 2);
        int framed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y)) continue;
                QVERIFY2(band.contains(x, y) && !cell.contains(x, y),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QCOMPARE(after.pixel(x, y) & 0xFFFFFF, QRgb(0));
                ++framed;
            }
        QVERIFY(framed > 2 * (cell.width() + cell.height()));
        QTest::keyClick(board, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.betButton());
        QCOMPARE(boards->grab().toImage(), before);
    }

    // The focus cell is the focus a screen reader follows.
    void theFocusCellIsTheAccessibleFocus() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        QList<int> told; // each focus told: ten times the view, plus the cell
        for (int b = 1; b <= Apuestas; ++b)
            connect(w.board(b), &BoardView::accessibleFocus, this, [&told, b](int child) { told << 10 * b + child; });
        connect(w.sizeChooser(), &SizeChooserView::accessibleFocus, this, [&told](int child) { told << 60 + child; });
        QTest::keyClick(&w, Qt::Key_Tab);
        QTest::keyClick(w.board(1), Qt::Key_Down);
        QTest::keyClick(w.board(1), Qt::Key_Up);
        QTest::keyClick(w.board(1), Qt::Key_Up); // no move, nothing to tell
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.board(1));
        QCOMPARE(board->focusChild(), board->child(0));
        QVERIFY(board->child(0)->state().focused);
        QVERIFY(!board->child(1)->state().focused);
        QTest::keyClick(w.board(1), Qt::Key_End); // star 9, the last child
        QCOMPARE(board->focusChild(), board->child(58));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(w.sizeChooser(), Qt::Key_End);
        QAccessibleInterface* sizes = QAccessible::queryAccessibleInterface(w.sizeChooser());
        QCOMPARE(sizes->focusChild(), sizes->child(4));
        QVERIFY(sizes->child(4)->state().focused);
        QVERIFY(!board->child(0)->state().focused);
        QCOMPARE(board->focusChild(), nullptr);
        QCOMPARE(told, (QList<int>{10, 11, 10, 68, 20, 30, 40, 50, 60, 64}));
        QTest::keyClick(w.sizeChooser(), Qt::Key_Space);
        QCOMPARE(int(s.m.CantidadMultipleFijada), 10); // in the simple shape a click only remembers it
    }

    // Nothing acts under a modal dialog, whatever way in a press takes: a
    // screen reader's press or a key, on every kind of control.
    void nothingActsUnderAModal() {
        Started s;
        s.manual();
        MainWindow w(s.prog);
        AcercaDeDialog about(s.prog.frmAcercaDe, &w); // its links, shown without a loop of its own
        w.show();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString before = dumpSlots(s.f, s.m) + dumpCells(s.f);
        QList<QAccessibleInterface*> controls;
        for (QWidget* v : {(QWidget*)w.board(1), (QWidget*)w.sizeChooser(), (QWidget*)w.toolbar()})
            for (int i = 0; i < QAccessible::queryAccessibleInterface(v)->childCount(); ++i)
                controls << QAccessible::queryAccessibleInterface(v)->child(i);
        for (QAction* title : w.menuBar()->actions())
            for (int i = 0; i < QAccessible::queryAccessibleInterface(title->menu())->childCount(); ++i)
                controls << QAccessible::queryAccessibleInterface(title->menu())->child(i);
        controls << QAccessible::queryAccessibleInterface(w.betButton())
                 << QAccessible::queryAccessibleInterface(about.webLink());
        QDialog modal(&w);
        bool saidShut = false;
        QTimer::singleShot(0, &modal, [&] {
            saidShut = controls[0]->state().disabled && controls[59]->state().disabled;
            for (QAccessibleInterface* c : controls)
                if (c->actionInterface()) c->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            for (QWidget* v :
                 {(QWidget*)w.board(1), (QWidget*)w.sizeChooser(), (QWidget*)w.betButton(), (QWidget*)about.mailLink()})
                for (int key : {Qt::Key_Space, Qt::Key_Return})
                    QTest::keyClick(v, Qt::Key(key));
            QTest::qWait(300); // what was queued, and the button's animated click
            modal.accept();
        });
        modal.exec();
        QCoreApplication::processEvents();
        QVERIFY(saidShut);
        QCOMPARE(dumpSlots(s.f, s.m) + dumpCells(s.f), before);
        QVERIFY(!s.m.Modificado && s.m.CantidadMultipleFijada == 0 && s.f.BotonActual == 0);
        QVERIFY(s.desk.boxes.empty() && s.desk.shown.empty() && s.desk.opened.empty());
    }

    // A held key presses once, when it is let go: its repeats reach neither
    // the question the press opens nor the button a draw gives the focus
    // back to.
    void aHeldKeyPressesOnce_data() {
        QTest::addColumn<bool>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("cell, Return") << false << int(Qt::Key_Return);
        QTest::newRow("cell, keypad Enter") << false << int(Qt::Key_Enter);
        QTest::newRow("button, Return") << true << int(Qt::Key_Return);
        QTest::newRow("button, Space") << true << int(Qt::Key_Space);
    }
    void aHeldKeyPressesOnce() {
        QFETCH(bool, button);
        QFETCH(int, key);
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w, Active));
        if (!button) QTest::keyClick(&w, Qt::Key_Tab);
        QWidget* target = QApplication::focusWidget();
        QCOMPARE(target, button ? (QWidget*)w.betButton() : (QWidget*)w.board(1));
        const auto mod = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        auto repeats = [&] {
            for (auto type : {QEvent::KeyRelease, QEvent::KeyPress, QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent repeat(type, key, mod, QString(), true);
                QApplication::sendEvent(QApplication::focusWidget(), &repeat);
            }
        };
        s.desk.answer(MsgAnswer::Yes); // the manual-filling question
        QTest::keyPress(target, Qt::Key(key), mod);
        repeats();
        QVERIFY(s.desk.boxes.empty() && !s.m.LlenandoNumeros); // nothing yet
        QTest::keyRelease(target, Qt::Key(key), mod);
        if (!button) {
            QCOMPARE(s.desk.boxes.size(), std::size_t(1));
            QCOMPARE(dumpCells(s.f), QStringLiteral("1.1"));
            return;
        }
        QVERIFY(s.m.LlenandoNumeros);
        VirtualClock clock(s.f);
        while (clock.step())
            w.refresh();
        QCOMPARE(QApplication::focusWidget(), w.betButton());
        repeats(); // the key still held when the draw ends

        QVERIFY(!s.m.LlenandoNumeros);
        QCOMPARE(dumpCells(s.f).count(' ') + 1, 7);
    }

    // A file from outside waits while a draw or a dialog is in the way, then
    // opens as the open command would.
    void aFileFromOutsideWaitsItsTurn() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        s.desk.files["/d/uno.qlv"] = "1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n";
        s.desk.files["/d/dos.qlv"] = "1\r\n6\r\n7\r\n8\r\n9\r\n10\r\n1\r\n2\r\n";
        s.lock(); // a draw holds the file commands
        w.refresh();
        w.openFromOutside("/d/uno.qlv");
        QTest::qWait(500);
        QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        s.f.mnuArchivo.Enabled = true;
        w.refresh();
        QTRY_COMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''uno''"));
        QDialog modal(&w);
        QTimer::singleShot(50, &w, [&] { w.openFromOutside("/d/dos.qlv"); });
        onNextDialog([&](QWidget*) {
            QTest::qWait(550);
            QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''uno''"));
        });
        modal.exec();
        QTRY_COMPARE(w.windowTitle(), QStringLiteral("Quelvar - ''dos''"));
        QCOMPARE(dumpCells(s.f), QStringLiteral("1.6 1.7 1.8 1.9 1.10 1*1 1*2"));
        QVERIFY(s.desk.boxes.empty());
    }

    void shortcutsActOnlyWhileUsable() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
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
        s.f.Form_Load(); // the window release
        w.refresh();
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(sencillas.count(), 2);
    }

    void exitGoesThroughTheUnloadQuestions() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        s.desk.answer(MsgAnswer::No);
        choose(w, Menu::mnuSalir);
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
        MainWindow w(s.prog);
        QVERIFY(shown(w));
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
        const QPoint cell = board->centreOf(lit);
        QTRY_COMPARE(board->grab().toImage().pixel(cell + QPoint(5, 5)) & 0xFFFFFF, QRgb(0xFF8080));
        // A whole bet, then the window is given back.
        QTRY_VERIFY_WITH_TIMEOUT(!s.m.LlenandoNumeros, 20000);
        QVERIFY(w.betButton()->isEnabled());
        QVERIFY(w.topMenu(Menu::mnuArchivo)->isEnabled());
        for (int n = 2; n <= 6; ++n)
            QVERIFY(!w.timer(n)->isActive());
    }

    // At the end of a pass the sweep timer starts again before the draw timer
    // starts: both are due together, and the sweep's extra tick comes first.
    void theSweepTickComesBeforeTheDrawTick() {
        Started s;
        MainWindow w(s.prog);
        std::vector<QString> ticks;
        connect(w.timer(2), &QTimer::timeout, &w,
                [&] { ticks.push_back(s.f.Timer3.Enabled ? QStringLiteral("sweep, draw due") : "sweep"); });
        connect(w.timer(3), &QTimer::timeout, &w, [&] { ticks.push_back(QStringLiteral("draw")); });
        s.f.cmdApuesta_Click();
        w.refresh();
        QTRY_VERIFY_WITH_TIMEOUT(std::find(ticks.begin(), ticks.end(), "draw") != ticks.end(), 10000);
        const auto draw = std::find(ticks.begin(), ticks.end(), "draw");
        QVERIFY(draw - ticks.begin() >= 2);
        QCOMPARE(*(draw - 2), QStringLiteral("sweep, draw due")); // the tick that ended the pass
        QCOMPARE(*(draw - 1), QStringLiteral("sweep, draw due")); // the extra sweep tick
    }

    void sizeChooserClicksReachTheModel() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        choose(w, Menu::mnuApMul);
        QCOMPARE(w.betButton()->text(), QStringLiteral("APUESTA MULTIPLE"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quelvar  -  ''Nueva Apuesta''"));
        QTest::mouseClick(w.sizeChooser(), Qt::LeftButton, {}, w.sizeChooser()->centreOf(9));
        QCOMPARE(s.m.CantidadMultiple, 9);
        QCOMPARE(w.sizeChooser()->grab().toImage().pixel(w.sizeChooser()->centreOf(9) + QPoint(5, 5)) & 0xFFFFFF,
                 QRgb(0xFF0000));
        QVERIFY(w.betButton()->isEnabled());
    }

    void deleteDialogThroughTheWindow() {
        Started s;
        s.manual();
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        s.f.lblEstrella_Click(1);
        s.f.lblEstrella_Click(2);
        s.f.lblNral2_Click(20);
        MainWindow w(s.prog);
        s.desk.onShow = [&w](Formulario f) { w.showDialog(f); };
        QVERIFY(shown(w));
        onNextDialog([&](QWidget* dialog) {
            auto* d = qobject_cast<BorrarDialog*>(dialog);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Quelvar"));
            QTRY_VERIFY(d->box(1)->isChecked());
            QVERIFY(d->box(2)->isEnabled() && d->box(2)->isChecked());
            QVERIFY(!d->box(3)->isEnabled());
            QCOMPARE(d->box(4)->text(), QStringLiteral("Apuesta 4"));
            QCOMPARE(QApplication::focusWidget(), d->aceptar());
            QTest::mouseClick(d->box(2), Qt::LeftButton, {}, QPoint(8, d->box(2)->height() / 2));
            QCOMPARE(s.prog.frmBorrar.Check[2].Value, 0);
            QTest::mouseClick(d->aceptar(), Qt::LeftButton);
        });
        choose(w, Menu::mnuBorrar);
        QTRY_VERIFY(!w.borrarDialog()->isVisible());
        QCOMPARE(dumpCells(s.f), QStringLiteral("2.20"));
        QVERIFY(s.m.Modificado);

        // Escape closes it without a change.
        onNextDialog([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        choose(w, Menu::mnuBorrar);
        QTRY_VERIFY(!w.borrarDialog()->isVisible());
        QCOMPARE(dumpCells(s.f), QStringLiteral("2.20"));
    }

    // The two dialogs look the same on a dark desktop as on a light one.
    void dialogsKeepTheirFaceOnADarkDesktop() {
        Started s;
        s.manual();
        for (int k = 1; k <= 5; ++k)
            s.f.lblNral_Click(k);
        MainWindow w(s.prog);
        s.desk.onShow = [&w](Formulario f) { w.showDialog(f); };
        QVERIFY(shown(w));
        QPalette dark(QColor(0x3C, 0x3C, 0x3C), QColor(0x31, 0x31, 0x31));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        const QPalette light = QApplication::palette();
        QImage looks[2][2]; // [dialog][light, dark]
        for (int scheme : {0, 1}) {
            QApplication::setPalette(scheme ? dark : light);
            for (int which : {0, 1}) {
                onNextDialog([&looks, which, scheme](QWidget* d) { looks[which][scheme] = d->grab().toImage(); });
                choose(w, which ? Menu::mnuAcercaDe : Menu::mnuBorrar);
            }
        }
        QApplication::setPalette(light);
        QVERIFY(!looks[0][0].isNull() && !looks[1][0].isNull());
        QCOMPARE(looks[0][1], looks[0][0]);
        QCOMPARE(looks[1][1], looks[1][0]);
    }

    void aboutBoxLinksAndEscape() {
        Started s;
        MainWindow w(s.prog);
        s.desk.onShow = [&w](Formulario f) { w.showDialog(f); };
        w.show();
        onNextDialog([&](QWidget* dialog) {
            auto* d = qobject_cast<AcercaDeDialog*>(dialog);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Acerca de Quelvar"));
            QCOMPARE(d->webLink()->cursor().shape(), Qt::PointingHandCursor);
            for (auto button : {Qt::RightButton, Qt::MiddleButton}) { // only the left button opens
                QTest::mouseClick(d->mailLink(), button);
                QTest::mouseClick(d->webLink(), button);
            }
            QTest::mouseClick(d->mailLink(), Qt::LeftButton);
            QTest::mouseClick(d->webLink(), Qt::LeftButton);
            // The keyboard: no link chosen at first, then the links in turn.
            QCOMPARE(d->focusWidget(), d);
            QTest::keyClick(d, Qt::Key_Tab);
            QCOMPARE(d->focusWidget(), d->webLink());
            QTest::keyClick(d->webLink(), Qt::Key_Tab);
            QCOMPARE(d->focusWidget(), d->mailLink());
            QTest::keyClick(d->mailLink(), Qt::Key_Space);
            QTest::keyClick(d->mailLink(), Qt::Key_Backtab);
            QTest::keyClick(d->webLink(), Qt::Key_Return);
            QTest::keyClick(d, Qt::Key_A);
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        choose(w, Menu::mnuAcercaDe);
        QTRY_VERIFY(!w.acercaDeDialog()->isVisible());
        QCOMPARE(s.desk.opened.size(), std::size_t(4));
        QCOMPARE(q(s.desk.opened[0].second), QStringLiteral("mailto:autor@quelvar.example.org?Subject=Quelvar"));
        QCOMPARE(q(s.desk.opened[1].second), QStringLiteral("https://quelvar.example.org/"));
        QCOMPARE(s.desk.opened[2], s.desk.opened[0]);
        QCOMPARE(s.desk.opened[3], s.desk.opened[1]);
    }

    void toolbarHoverIsPainted() {
        Started s;
        MainWindow w(s.prog);
        QVERIFY(shown(w));
        ToolbarView* bar = w.toolbar();
        const QPoint corner(qRound((215 + 750 * 3) / 15.0) + 3, 4); // inside position 4's picture
        const QRgb flat = pixelAt(bar, corner);
        QTest::mouseMove(bar, QPoint(qRound((215 + 750 * 3) / 15.0) + 20, 20));
        QTRY_COMPARE(s.f.BotonActual, 4);
        QVERIFY(pixelAt(bar, corner) != flat);
        QTest::mouseMove(bar, QPoint(qRound((215 + 750 * 10) / 15.0) + 20, 20)); // position 11
        QTRY_COMPARE(s.f.BotonActual, 11);
        QCOMPARE(pixelAt(bar, corner), flat);
    }

    void timersMirrorTheModel() {
        Started s;
        MainWindow w(s.prog);
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
        // A handler that stops a timer and then opens a dialog: the dialog's
        // own loop may still deliver the Qt timer, and the tick must not run.
        s.f.Timer1.habilitar(true);
        w.refresh();
        s.f.Timer1.habilitar(false);
        QTest::qWait(600);
        QVERIFY(s.f.lblApmul[8].seleccionada());
        QVERIFY(s.f.lblApmul[6].libre());
        QCOMPARE(s.m.PasoParpadeo, 0);
        QVERIFY(!t1->isActive());
        // Stopped and started again within one handler: a whole new
        // interval, not what was left of the old one.
        s.f.Timer1.habilitar(true);
        w.refresh();
        QTest::qWait(150);
        s.f.Timer1.habilitar(false);
        s.f.Timer1.habilitar(true);
        w.refresh();
        QVERIFY2(t1->remainingTime() > 200, qPrintable(QString::number(t1->remainingTime())));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
