#pragma once

#include "qt/Clicks.h"
#include "qt/Keys.h"

#include <QLabel>

namespace quelvar {

// A label that reports clicks, for the about box's links. Tab reaches it;
// Space or Enter then runs what a click runs.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& text, QWidget* parent);
    // What a left click runs.
    void activate() { emit clicked(); }
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    Click<bool> click_;
    KeyPress key_;
};

} // namespace quelvar
