#include "qt/FocusFrame.h"

#include <QPainter>

namespace quelvar {

namespace {
constexpr int Thickness = 2;
constexpr QRgb Colour = 0x000000;
} // namespace

FocusFrame* FocusFrame::of(QWidget* grid) {
    QWidget* boards = grid->parentWidget();
    auto* frame = boards->findChild<FocusFrame*>(QString(), Qt::FindDirectChildrenOnly);
    return frame ? frame : new FocusFrame(boards);
}

FocusFrame::FocusFrame(QWidget* boards) : QWidget(boards) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::around(QWidget* owner, const QRectF& cell) {
    owner_ = owner;
    const QRect r = cell.toAlignedRect().translated(owner->pos());
    setGeometry(r.adjusted(-Thickness, -Thickness, Thickness, Thickness));
    raise();
    show();
}

void FocusFrame::leave(QWidget* owner) {
    if (owner_ == owner) hide();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect band = rect();
    const QRect cell = band.adjusted(Thickness, Thickness, -Thickness, -Thickness);
    p.fillRect(QRect(band.left(), band.top(), band.width(), Thickness), QColor(Colour));
    p.fillRect(QRect(band.left(), cell.bottom() + 1, band.width(), Thickness), QColor(Colour));
    p.fillRect(QRect(band.left(), cell.top(), Thickness, cell.height()), QColor(Colour));
    p.fillRect(QRect(cell.right() + 1, cell.top(), Thickness, cell.height()), QColor(Colour));
}

} // namespace quelvar
