#pragma once

#include <QApplication>
#include <QWidget>

namespace quelvar {

// The one rule that every way in obeys, as Qt obeys it for a mouse click:
// nothing acts under a modal dialog that is not its own window, and nothing
// while a menu or another popup is open. Keys, a screen reader's presses,
// files from outside and the mouse all reach the program through it.
inline bool userMayPress(const QWidget* target) {
    if (QApplication::activePopupWidget()) return false;
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == target->window();
}

} // namespace quelvar
