#include "qt/SizeChooserView.h"

#include "qt/Geometry.h"

#include <QPainter>

namespace quelvar {

SizeChooserView::SizeChooserView(FrmQuelvar& form, QWidget* parent)
    : CellGrid(MinimoMultiple, MaximoMultiple, parent), form_(form) {
    setGeometry(rectI(layout::Frame6));
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        setCellRect(k, rectF(layout::celdaTamano(k)));
}

void SizeChooserView::sync() {
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        if (shown_[k] == form_.lblApmul[k].BackColor) continue;
        shown_[k] = form_.lblApmul[k].BackColor;
        update(cellRect(k).toAlignedRect());
    }
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        const bool chosen = form_.modulo().CantidadMultiple == k;
        if (chosen == told_[k]) continue;
        told_[k] = chosen;
        emit accessibleChange(child(k));
    }
}

void SizeChooserView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        const Celda& c = form_.lblApmul[k];
        p.fillRect(cellRect(k), qcolor(c.BackColor));
        p.setPen(qcolor(c.ForeColor));
        p.drawText(cellRect(k), Qt::AlignCenter, QString::fromStdString(c.Caption));
    }
}

} // namespace quelvar
