#include "qt/ClickLabel.h"

#include <QPainter>

namespace quelvar {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setFocusPolicy(Qt::TabFocus); }

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    if (!key_.down(e)) QLabel::keyPressEvent(e);
}

void ClickLabel::keyReleaseEvent(QKeyEvent* e) {
    if (key_.up(e))
        activate();
    else
        QLabel::keyReleaseEvent(e);
}

void ClickLabel::focusOutEvent(QFocusEvent* e) {
    key_.forget();
    QLabel::focusOutEvent(e);
}

// With the keyboard's focus, a thin frame in the link's colour around its text.
void ClickLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QRect text = QFontMetrics(font()).boundingRect(rect(), int(alignment()), this->text());
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(text.adjusted(-3, -1, 2, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

// Only the left button opens a link, as with the cells and the toolbar.
void ClickLabel::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    click_.pressed(e, true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (click_.released(e, rect().contains(e->position().toPoint()))) emit clicked();
}

} // namespace quelvar
