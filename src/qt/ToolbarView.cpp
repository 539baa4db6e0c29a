#include "qt/ToolbarView.h"

#include "qt/Artwork.h"
#include "qt/Geometry.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace quelvar {

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
        // On whole device pixels, so that its one-pixel bevels stay sharp
        // (215 + 750 (k - 1) twips is no whole pixel).
        const QTransform toDevice = p.deviceTransform();
        const QPointF corner = toDevice.map(QPointF(px(im.Left), px(im.Top)));
        p.translate(toDevice.inverted().map(QPointF(std::round(corner.x()), std::round(corner.y()))));
        artwork::paintRaised(p, im.Picture);
    }
}

QRect ToolbarView::positionRect(int k) const {
    using namespace layout;
    return rectI({BarraInicio + BarraPaso * (k - 1), RaisedTop, BarraPaso, RaisedHeight});
}

void ToolbarView::press(int k) {
    const QRect r = positionRect(k);
    emit mouseMoved(static_cast<float>(r.center().x() * layout::TwipsPorPixel),
                    static_cast<float>(r.center().y() * layout::TwipsPorPixel));
    emit clicked();
}

void ToolbarView::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(static_cast<float>(e->position().x() * layout::TwipsPorPixel),
                    static_cast<float>(e->position().y() * layout::TwipsPorPixel));
}

void ToolbarView::mousePressEvent(QMouseEvent* e) { click_.pressed(e, true); }

void ToolbarView::mouseReleaseEvent(QMouseEvent* e) {
    if (click_.released(e, rect().contains(e->position().toPoint()))) emit clicked();
}

} // namespace quelvar
