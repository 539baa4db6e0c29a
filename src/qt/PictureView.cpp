#include "qt/PictureView.h"

#include <QPainter>

namespace quelvar {

PictureView::PictureView(Painter painter, QWidget* parent) : QWidget(parent), painter_(std::move(painter)) {}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, size());
}

} // namespace quelvar
