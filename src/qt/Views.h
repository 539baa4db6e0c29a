#pragma once

#include "qt/Keys.h"
#include "window/FrmQuelvar.h"

#include <QCursor>
#include <QPointer>
#include <QPushButton>
#include <QRegion>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace quelvar {

// One board: its frame with the board number and 50 number cells, and the
// nine star cells below it in the yellow area. It paints the cells from the
// model and turns a click into a cell index.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(FrmQuelvar& form, int tablero, QWidget* parent);

    struct Hit {
        enum Kind { None, Number, Star } kind = None;
        int index = 0;
    };
    // The cell under a point in this widget's coordinates.
    Hit hitTest(QPointF pos) const;
    // The centre of a cell, for tests that click it.
    QPoint centreOf(Hit cell) const;
    // Repaints the cells whose look changed in the model since last time.
    void sync();
    // Runs what a click on the cell runs (assistive technology's press).
    void press(Hit cell);
    // The cell that the arrow keys move and Space or Enter presses.
    Hit focusCell() const { return focus_; }
    int tablero() const { return tablero_; }
    FrmQuelvar& form() const { return form_; }
    QRect cellRectPublic(Hit cell) const { return cellRect(cell).toAlignedRect(); }

signals:
    void numberClicked(int tablero, int index);
    void starClicked(int tablero, int index);
    // A cell's value joined or left the bet: assistive technology is told.
    void accessibleChange(int child);
    // The focus cell moved, or the board took the focus: the same.
    void accessibleFocus(int child);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QRectF cellRect(Hit cell) const;
    void moveFocus(Hit cell);

    FrmQuelvar& form_;
    int tablero_;
    Hit focus_{Hit::Number, 1};
    KeyPress key_;
    // The cells' captions, numbers 1..50 then stars 1..9, and their places.
    using Captions = std::array<QStaticText, NumerosPorTablero + EstrellasPorTablero + 1>;
    static const Captions& captions();
    std::array<QRectF, NumerosPorTablero + EstrellasPorTablero + 1> rects_; // what cellRect() gives
    qreal lineHeight_ = 0;
    QRegion cells_; // every cell's pixels: a repaint inside them needs no background
    Hit pressed_;
    std::optional<QCursor> cursor_; // made on first use
    bool overCell_ = false;         // the plus sign is shown
    std::array<Color, NumerosPorTablero + EstrellasPorTablero + 1> shown_{};
    // Whether each cell's value is in the bet, as assistive technology was last told.
    std::array<bool, NumerosPorTablero + EstrellasPorTablero + 1> told_{};
};

// The size chooser of the multiple bet: cells 6..10.
class SizeChooserView : public QWidget {
    Q_OBJECT
public:
    SizeChooserView(FrmQuelvar& form, QWidget* parent);
    int hitTest(QPointF pos) const; // 6..10, or 0
    QPoint centreOf(int k) const;
    void sync();
    void press(int k) { emit sizeClicked(k); }
    int focusCell() const { return focus_; }
    QRectF cellRect(int k) const;
    FrmQuelvar& form() const { return form_; }

signals:
    void sizeClicked(int index);
    void accessibleChange(int child);
    void accessibleFocus(int child);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void moveFocus(int k);

    FrmQuelvar& form_;
    int focus_ = MinimoMultiple;
    KeyPress key_;
    int pressed_ = 0;
    std::optional<QCursor> cursor_;
    bool overCell_ = false;
    std::array<Color, MaximoMultiple + 1> shown_{};
    std::array<bool, MaximoMultiple + 1> told_{};
};

// The toolbar strip: its flat buttons, the raised picture of the position
// under the mouse, and clicks.
class ToolbarView : public QWidget {
    Q_OBJECT
public:
    ToolbarView(FrmQuelvar& form, QWidget* parent);
    void sync();
    // Position k (1..12) as the mouse would choose it: over it, then a click.
    void press(int k);
    QRect positionRect(int k) const;
    FrmQuelvar& form() const { return form_; }

signals:
    void mouseMoved(float xTwips, float yTwips);
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    FrmQuelvar& form_;
    bool pressed_ = false;
    FrmQuelvar::Imagen shown_{};
};

// The frame around the cell that has the keyboard focus on a board or on
// the size chooser. Nothing but the keyboard shows it.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* boards);
    // Around a cell of owner, given in owner's coordinates.
    void around(QWidget* owner, const QRectF& cell);
    // Hidden, if it stands around a cell of owner.
    void leave(QWidget* owner);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointer<QWidget> owner_;
};

// The command button. The program gives it the focus after a draw, where
// Space starts the next one: the focus frame shows it however the focus
// came, not only after a Tab.
class BetButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
    // Enter and Return press the button, as Space does: when let go.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    KeyPress key_;
};

// A control that only shows a picture: the toolbar strip, the boards'
// background and the bottom bar.
class PictureView : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, QSize)>;
    PictureView(Painter painter, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Painter painter_;
};

} // namespace quelvar
