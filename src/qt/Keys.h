#pragma once

#include <QKeyEvent>

namespace quelvar {

// Space, Return or keypad Enter with no modifier: what presses a cell, a
// link or the button from the keyboard.
inline bool isPressKey(const QKeyEvent* e) {
    const bool key = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    return key && (e->modifiers() & ~Qt::KeypadModifier) == 0;
}

// A press by the keyboard acts when the key is let go, as a mouse button
// does: a held key presses once, and its repeats never reach a dialog that
// the press opened. A release whose press went elsewhere (to a dialog that
// has closed since) presses nothing.
class KeyPress {
public:
    // The key went down; true when it is a press key, which is then taken.
    bool down(const QKeyEvent* e) {
        if (!isPressKey(e)) return false;
        if (!e->isAutoRepeat()) held_ = e->key();
        return true;
    }
    // The key came up; true when this ends a press begun here.
    bool up(const QKeyEvent* e) {
        if (!isPressKey(e) || e->isAutoRepeat() || e->key() != held_) return false;
        held_ = 0;
        return true;
    }
    // The focus went away: a release that comes later is not this press's.
    void forget() { held_ = 0; }

private:
    int held_ = 0;
};

} // namespace quelvar
