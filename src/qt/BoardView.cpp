#include "qt/BoardView.h"

#include "qt/Artwork.h"
#include "qt/Geometry.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quelvar {

BoardView::BoardView(FrmQuelvar& form, int tablero, QWidget* parent)
    : CellGrid(1, celdas::Total, parent), form_(form), tablero_(tablero) {
    using namespace layout;
    const int bottom = FilaEstrella[2] + CeldaHeight;
    setGeometry(QRect(pxi(FrameLeft[tablero]), pxi(FrameTop), pxi(FrameWidth), pxi(bottom - FrameTop)));
    lineHeight_ = QFontMetricsF(font()).height();
    for (int k = 1; k <= NumerosPorTablero; ++k)
        setCellRect(k, rectF(celdaNumero(k)));
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Rect r = celdaEstrella(tablero, k);
        r.left -= FrameLeft[tablero];
        r.top -= FrameTop;
        setCellRect(celdas::estrella(k), rectF(r));
    }
    for (int cell = 1; cell <= celdas::Total; ++cell)
        cells_ += cellRect(cell).toAlignedRect();
}

const Celda& BoardView::celda(int cell) const {
    const FrmQuelvar::Tablero& t = form_.tablero[tablero_];
    const int k = celdas::valor(cell);
    return celdas::esEstrella(cell) ? t.lblEstrella[k] : t.lblNral[k];
}

// Every board shows the same captions: laid out once for all five (a
// painter that only moves keeps the layout).
const BoardView::Captions& BoardView::captions() {
    static const Captions laidOut = [] {
        Captions c;
        for (int cell = 1; cell <= celdas::Total; ++cell) {
            c[cell].setText(QString::number(celdas::valor(cell)));
            c[cell].setTextFormat(Qt::PlainText);
            c[cell].prepare(QTransform(), artwork::cellFont());
        }
        return c;
    }();
    return laidOut;
}

// A cell's look is fully told by its background colour; only cells whose
// background changed are repainted, so a running sweep repaints two cells a
// tick rather than the whole board.
void BoardView::sync() {
    bool changed = false;
    for (int cell = 1; cell <= celdas::Total; ++cell) {
        const Color now = celda(cell).BackColor;
        if (shown_[cell] == now) continue;
        changed = changed || shown_[cell] == Rojo || now == Rojo;
        shown_[cell] = now;
        update(cellRect(cell).toAlignedRect());
    }
    // A screen reader hears of a cell only when its value joins or leaves the
    // bet, not of every look a sweep or a blink gives it. A value never comes
    // or goes without some cell of its board turning red or losing its red,
    // so the sweep's lit cells cost nothing here.
    if (!changed) return;
    const Tableros& tableros = form_.tableros();
    for (int cell = 1; cell <= celdas::Total; ++cell) {
        const bool in = tableros.enApuesta(tablero_, celdas::esEstrella(cell), celdas::valor(cell));
        if (in == told_[cell]) continue;
        told_[cell] = in;
        emit accessibleChange(child(cell));
    }
}

void BoardView::paintEvent(QPaintEvent* e) {
    using namespace layout;
    // The painter clips to the region already.
    QPainter p(this);
    if (!e->region().subtracted(cells_).isEmpty()) {
        // More than cells: the boards' background as it lies behind this
        // board, then the frame, white, with the board number at its top.
        p.save();
        p.translate(-pos());
        // At a fractional scale the board's edge may end inside a device
        // pixel: the ground covers such a pixel whole first, without
        // antialiasing, so that nothing of what lay there before shows.
        artwork::fillBoardsBackground(p, parentWidget()->size(), QRectF(geometry()).adjusted(-1, -1, 1, 1));
        p.setRenderHint(QPainter::Antialiasing);
        artwork::paintBoardsBackground(p, parentWidget()->size(), geometry());
        p.restore();
        p.fillRect(QRectF(0, 0, px(FrameWidth), px(FrameHeight)), Qt::white);
        p.setFont(artwork::boardNumberFont());
        p.setPen(qcolor(RojoClaro));
        p.drawText(rectF(lblCuadro), Qt::AlignCenter, QString::number(tablero_));
        p.setFont(font());
    }
    const Captions& laidOut = captions();
    for (int cell = 1; cell <= celdas::Total; ++cell) {
        const QRectF r = cellRect(cell);
        if (!e->region().intersects(r.toAlignedRect())) continue;
        const Celda& c = celda(cell);
        p.fillRect(r, qcolor(c.BackColor));
        p.setPen(qcolor(c.ForeColor));
        // The caption where a centred drawText() puts it: the font's line
        // box centred, on whole pixels.
        const QSizeF size = laidOut[cell].size();
        p.drawStaticText(
            QPointF(r.left() + (r.width() - size.width()) / 2, std::round(r.top() + (r.height() - lineHeight_) / 2)),
            laidOut[cell]);
    }
}

} // namespace quelvar
