#include "qt/Views.h"

#include "qt/Artwork.h"
#include "qt/Geometry.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quelvar {

namespace {

void paintCell(QPainter& p, const QRectF& r, const Celda& celda) {
    p.fillRect(r, qcolor(celda.BackColor));
    p.setPen(qcolor(celda.ForeColor));
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(celda.Caption));
}

void updateCursor(QWidget* w, bool overCell) {
    if (overCell)
        w->setCursor(artwork::cursorMas());
    else
        w->unsetCursor();
}

} // namespace

BoardView::BoardView(FrmQuelvar& form, int tablero, QWidget* parent) : QWidget(parent), form_(form), tablero_(tablero) {
    using namespace layout;
    const int bottom = FilaEstrella[2] + CeldaHeight;
    setGeometry(QRect(pxi(FrameLeft[tablero]), pxi(FrameTop), pxi(FrameWidth), pxi(bottom - FrameTop)));
    setMouseTracking(true);
    setFont(artwork::cellFont());
}

QRectF BoardView::cellRect(Hit cell) const {
    using namespace layout;
    if (cell.kind == Hit::Number) return rectF(celdaNumero(cell.index));
    Rect r = celdaEstrella(tablero_, cell.index);
    r.left -= FrameLeft[tablero_];
    r.top -= FrameTop;
    return rectF(r);
}

BoardView::Hit BoardView::hitTest(QPointF pos) const {
    for (int k = 1; k <= NumerosPorTablero; ++k)
        if (cellRect({Hit::Number, k}).contains(pos)) return {Hit::Number, k};
    for (int k = 1; k <= EstrellasPorTablero; ++k)
        if (cellRect({Hit::Star, k}).contains(pos)) return {Hit::Star, k};
    return {};
}

QPoint BoardView::centreOf(Hit cell) const { return cellRect(cell).center().toPoint(); }

// A cell's look is fully told by its background colour; only cells whose
// background changed are repainted, so a running sweep repaints two cells a
// tick rather than the whole board.
void BoardView::sync() {
    const FrmQuelvar::Tablero& t = form_.tablero[tablero_];
    for (int k = 1; k <= NumerosPorTablero; ++k) {
        if (shown_[k] == t.lblNral[k].BackColor) continue;
        shown_[k] = t.lblNral[k].BackColor;
        update(cellRect({Hit::Number, k}).toAlignedRect());
    }
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Color& shown = shown_[NumerosPorTablero + k];
        if (shown == t.lblEstrella[k].BackColor) continue;
        shown = t.lblEstrella[k].BackColor;
        update(cellRect({Hit::Star, k}).toAlignedRect());
    }
}

void BoardView::paintEvent(QPaintEvent* e) {
    using namespace layout;
    QPainter p(this);
    p.setClipRegion(e->region());
    // The frame: white, no border, with the board number at its top.
    p.fillRect(QRectF(0, 0, px(FrameWidth), px(FrameHeight)), Qt::white);
    p.setFont(artwork::boardNumberFont());
    p.setPen(qcolor(RojoClaro));
    p.drawText(rectF(lblCuadro), Qt::AlignCenter, QString::number(tablero_));
    p.setFont(artwork::cellFont());
    const FrmQuelvar::Tablero& t = form_.tablero[tablero_];
    for (int k = 1; k <= NumerosPorTablero; ++k) {
        const QRectF r = cellRect({Hit::Number, k});
        if (e->region().intersects(r.toAlignedRect())) paintCell(p, r, t.lblNral[k]);
    }
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        const QRectF r = cellRect({Hit::Star, k});
        if (e->region().intersects(r.toAlignedRect())) paintCell(p, r, t.lblEstrella[k]);
    }
}

// A click is a press and a release on the same cell, as with a label.
void BoardView::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? hitTest(e->position()) : Hit{};
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    const Hit hit = hitTest(e->position());
    const Hit pressed = pressed_;
    pressed_ = {};
    if (e->button() != Qt::LeftButton || hit.kind == Hit::None || hit.kind != pressed.kind ||
        hit.index != pressed.index)
        return;
    if (hit.kind == Hit::Number)
        emit numberClicked(tablero_, hit.index);
    else
        emit starClicked(tablero_, hit.index);
}

void BoardView::mouseMoveEvent(QMouseEvent* e) { updateCursor(this, hitTest(e->position()).kind != Hit::None); }

SizeChooserView::SizeChooserView(FrmQuelvar& form, QWidget* parent) : QWidget(parent), form_(form) {
    setGeometry(rectI(layout::Frame6));
    setMouseTracking(true);
    setFont(artwork::cellFont());
}

int SizeChooserView::hitTest(QPointF pos) const {
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        if (rectF(layout::celdaTamano(k)).contains(pos)) return k;
    return 0;
}

QPoint SizeChooserView::centreOf(int k) const { return rectF(layout::celdaTamano(k)).center().toPoint(); }

void SizeChooserView::sync() {
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        if (shown_[k] == form_.lblApmul[k].BackColor) continue;
        shown_[k] = form_.lblApmul[k].BackColor;
        update(rectF(layout::celdaTamano(k)).toAlignedRect());
    }
}

void SizeChooserView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        paintCell(p, rectF(layout::celdaTamano(k)), form_.lblApmul[k]);
}

void SizeChooserView::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? hitTest(e->position()) : 0;
}

void SizeChooserView::mouseReleaseEvent(QMouseEvent* e) {
    const int hit = hitTest(e->position());
    const int pressed = pressed_;
    pressed_ = 0;
    if (e->button() == Qt::LeftButton && hit != 0 && hit == pressed) emit sizeClicked(hit);
}

void SizeChooserView::mouseMoveEvent(QMouseEvent* e) { updateCursor(this, hitTest(e->position()) != 0); }

PictureView::PictureView(Painter painter, QWidget* parent) : QWidget(parent), painter_(std::move(painter)) {}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, size());
}

ToolbarView::ToolbarView(FrmQuelvar& form, QWidget* parent) : QWidget(parent), form_(form) {
    setGeometry(rectI(layout::pTools));
    setMouseTracking(true);
}

void ToolbarView::sync() {
    const FrmQuelvar::Imagen& now = form_.imRaised;
    if (now.Picture == shown_.Picture && now.Left == shown_.Left && now.Top == shown_.Top) return;
    shown_ = now;
    update();
}

void ToolbarView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    artwork::paintToolbar(p, size());
    const FrmQuelvar::Imagen& im = form_.imRaised;
    if (im.Picture != 0 && artwork::hasRaised(im.Picture)) {
        p.translate(px(im.Left), px(im.Top));
        artwork::paintRaised(p, im.Picture);
    }
}

void ToolbarView::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(static_cast<float>(e->position().x() * layout::TwipsPorPixel),
                    static_cast<float>(e->position().y() * layout::TwipsPorPixel));
}

void ToolbarView::mousePressEvent(QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }

void ToolbarView::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

} // namespace quelvar
