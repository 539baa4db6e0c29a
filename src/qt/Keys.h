#pragma once

#include <QKeyEvent>

namespace quelvar {

// Space, Return or keypad Enter with no modifier: what presses a cell or a
// link from the keyboard.
inline bool isPressKey(const QKeyEvent* e) {
    const bool key = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    return key && (e->modifiers() & ~Qt::KeypadModifier) == 0;
}

} // namespace quelvar
