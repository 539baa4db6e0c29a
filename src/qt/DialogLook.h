#pragma once

#include <QPalette>
#include <QWidget>

namespace quelvar::look {

// The blue of the dialogs' texts and links.
constexpr QRgb TextBlue = 0x0000C0;

// The text colour of an enabled control; disabled ones stay grey.
inline void colour(QWidget* w, QRgb rgb) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, QColor(rgb));
        p.setColor(group, QPalette::ButtonText, QColor(rgb));
    }
    w->setPalette(p);
}

// The dialogs keep the light face of their design whatever colours the
// desktop sets, as the main window paints its own: on a dark scheme their
// blue and grey texts would stand on a dark grey.
inline void designedFace(QWidget* dialog) {
    dialog->setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0))); // a light face, black text, white fields
    dialog->setAutoFillBackground(true);
}

} // namespace quelvar::look
