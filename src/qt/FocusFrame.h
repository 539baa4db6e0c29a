#pragma once

#include <QPointer>
#include <QWidget>

namespace quelvar {

// The frame around the cell that has the keyboard focus on a board or on
// the size chooser: a dark band just outside the cell, so that the cell's
// own pixels keep the colours that say its look. It is one widget above the
// boards, so that a board keeps its pixels and a frame around a cell at a
// board's edge stays whole. Nothing but the keyboard shows it.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // The one frame over the widgets beside `grid`, made on first use.
    static FocusFrame* of(QWidget* grid);
    // Around a cell of owner, given in owner's coordinates.
    void around(QWidget* owner, const QRectF& cell);
    // Hidden, if it stands around a cell of owner.
    void leave(QWidget* owner);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    explicit FocusFrame(QWidget* boards);
    QPointer<QWidget> owner_;
};

} // namespace quelvar
