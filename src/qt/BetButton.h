#pragma once

#include "qt/Keys.h"

#include <QPushButton>

namespace quelvar {

// The command button. The program gives it the focus after a draw, where
// Space starts the next one: the focus frame shows it however the focus
// came, not only after a Tab. Enter and Return press it as Space does, when
// let go.
class BetButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    KeyPress key_;
};

} // namespace quelvar
