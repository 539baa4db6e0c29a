#include "qt/BetButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace quelvar {

// The button goes down with the key and clicks when it comes up; a draw
// ends by giving the button its focus back, and a key still held must not
// start the next one.
void BetButton::keyPressEvent(QKeyEvent* e) {
    if (!key_.down(e)) {
        QPushButton::keyPressEvent(e);
        return;
    }
    if (!e->isAutoRepeat()) setDown(true);
}

void BetButton::keyReleaseEvent(QKeyEvent* e) {
    if (!key_.up(e)) {
        if (!isPressKey(e)) QPushButton::keyReleaseEvent(e);
        return;
    }
    if (!isDown()) return;
    setDown(false);
    click();
}

void BetButton::focusOutEvent(QFocusEvent* e) {
    key_.forget();
    setDown(false);
    QPushButton::focusOutEvent(e);
}

void BetButton::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    if (!hasFocus()) return;
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = palette().color(QPalette::Button);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

} // namespace quelvar
