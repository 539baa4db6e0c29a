#include "qt/Artwork.h"

#include "base/Textos.h"
#include "qt/Geometry.h"

#include <QLinearGradient>
#include <QPainterPath>

// The toolbar: its strip, the twelve pictures and the raised look.
namespace quelvar::artwork {

namespace {

void smallTicket(QPainter& p, QRectF r, QColor fill) {
    p.setPen(QPen(QColor(0x24, 0x35, 0x60), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 1));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = r.top() + r.height() * i / 3.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void disk(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1));
    p.setBrush(QColor(0x50, 0x60, 0x80));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 3, r.top() + 1, r.width() - 6, r.height() * 0.4));
    p.setBrush(QColor(0xc0, 0xc8, 0xd8));
    p.drawRect(QRectF(r.left() + 4, r.bottom() - r.height() * 0.35, r.width() - 8, r.height() * 0.35 - 1));
}

// One icon in a 20 x 20 box whose top-left corner is the painter's origin.
void paintIcon(QPainter& p, int position) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x10, 0x20, 0x40);
    switch (position) {
    case 1: { // open: a folder
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(DarkYellow));
        p.drawRoundedRect(QRectF(1.5, 4.5, 17, 13), 1.5, 1.5);
        p.setBrush(QColor(Yellow));
        QPainterPath front;
        front.moveTo(1.5, 17.5);
        front.lineTo(4.5, 8.5);
        front.lineTo(19.5, 8.5);
        front.lineTo(16.5, 17.5);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case 2: disk(p, QRectF(2.5, 2.5, 15, 15)); break;
    case 3: // save as: a disk and a pencil
        disk(p, QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(0xff, 0xc0, 0x30), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(9, 18), QPointF(18, 9));
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(8, 19), QPointF(9.5, 17.5));
        break;
    case 4: // close: a sheet with a cross
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 12, 16));
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(17, 17));
        p.drawLine(QPointF(17, 9), QPointF(9, 17));
        break;
    case 5: { // exit: a door and an arrow
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x9a, 0x6a, 0x3a));
        p.drawRect(QRectF(2.5, 1.5, 9, 17));
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 10), QPointF(18, 10));
        p.drawLine(QPointF(15, 7), QPointF(18, 10));
        p.drawLine(QPointF(15, 13), QPointF(18, 10));
        break;
    }
    case 6: smallTicket(p, QRectF(4.5, 2.5, 11, 15), Qt::white); break;
    case 7: // multiple: stacked tickets
        smallTicket(p, QRectF(7.5, 1.5, 10, 13), QColor(0xe8, 0xe8, 0xf0));
        smallTicket(p, QRectF(2.5, 5.5, 10, 13), Qt::white);
        break;
    case 8: { // random: a die
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        for (QPointF c :
             {QPointF(6.5, 6.5), QPointF(10, 10), QPointF(13.5, 13.5), QPointF(13.5, 6.5), QPointF(6.5, 13.5)})
            p.drawEllipse(c, 1.6, 1.6);
        break;
    }
    case 9: // manual: a pencil ticking a cell
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 7.5, 10, 10));
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 12.5), QPointF(6, 15));
        p.drawLine(QPointF(6, 15), QPointF(10, 9));
        p.setPen(QPen(QColor(0xff, 0xc0, 0x30), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(11, 9), QPointF(18, 2));
        break;
    case 10: { // delete: an eraser
        p.setPen(QPen(ink, 1));
        QPainterPath body;
        body.moveTo(2, 13);
        body.lineTo(11, 4);
        body.lineTo(18, 11);
        body.lineTo(12, 17);
        body.lineTo(6, 17);
        body.closeSubpath();
        p.setBrush(QColor(0xf0, 0x80, 0xa0));
        p.drawPath(body);
        p.setBrush(Qt::white);
        QPainterPath tip;
        tip.moveTo(2, 13);
        tip.lineTo(6.5, 8.5);
        tip.lineTo(13.5, 15.5);
        tip.lineTo(12, 17);
        tip.lineTo(6, 17);
        tip.closeSubpath();
        p.drawPath(tip);
        break;
    }
    case 11: // print: a printer
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(0xa0, 0xa8, 0xb8));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
        break;
    case 12: // about: an "i" in a circle
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x30, 0x80, 0xe0));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 6), 1.6, 1.6);
        p.drawRoundedRect(QRectF(8.6, 8.5, 2.8, 7.5), 1, 1);
        break;
    default: break;
    }
    p.restore();
}

// Button contents in a 49 x 39 box at the painter's origin.
void paintButtonFace(QPainter& p, int position, QColor labelColour) {
    p.save();
    p.translate(14.5, 3);
    paintIcon(p, position);
    p.restore();
    p.setFont(buttonFont());
    p.setPen(labelColour);
    p.drawText(QRectF(0, 24, px(layout::RaisedWidth), 13), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(textos::EtiquetasBarra[position - 1]));
}

qreal buttonLeft(int position) { return px(layout::BarraInicio + layout::BarraPaso * (position - 1)); }

} // namespace

void paintToolbar(QPainter& p, QSize size) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(BarBlue));
    g.setColorAt(1, QColor(BarBlue).darker(115));
    p.fillRect(QRect(QPoint(0, 0), size), QColor(BarBlue));
    p.fillRect(QRect(0, 2, size.width(), size.height() - 2), g);
    for (int k = 1; k <= layout::BarraBotones; ++k) {
        p.save();
        p.translate(buttonLeft(k), px(layout::RaisedTop));
        paintButtonFace(p, k, Qt::white);
        p.restore();
    }
}

bool hasRaised(int position) { return position >= 1 && position <= layout::BarraBotones && position != 11; }

void paintRaised(QPainter& p, int position) {
    const QRectF r(0, 0, px(layout::RaisedWidth), px(layout::RaisedHeight));
    QLinearGradient g(0, 0, 0, r.height());
    g.setColorAt(0, QColor(LightBlue).lighter(125));
    g.setColorAt(1, QColor(LightBlue));
    p.fillRect(r, g);
    // The bevels as filled one-pixel bands: no pen straddles two pixels.
    const QColor light(255, 255, 255, 220);
    const QColor dark(0x0a, 0x1a, 0x40);
    p.fillRect(QRectF(0, 0, r.width(), 1), light);
    p.fillRect(QRectF(0, 0, 1, r.height()), light);
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), dark);
    p.fillRect(QRectF(r.width() - 1, 0, 1, r.height()), dark);
    paintButtonFace(p, position, QColor(Yellow));
}

} // namespace quelvar::artwork
