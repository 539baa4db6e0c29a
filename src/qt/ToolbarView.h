#pragma once

#include "qt/Clicks.h"
#include "window/FrmQuelvar.h"

#include <QWidget>

namespace quelvar {

// The toolbar strip: its flat buttons, the raised picture of the position
// under the mouse, and clicks.
class ToolbarView : public QWidget {
    Q_OBJECT
public:
    ToolbarView(FrmQuelvar& form, QWidget* parent);
    void sync();
    // Position k (1..12) as the mouse would choose it: over it, then a click.
    void press(int k);
    QRect positionRect(int k) const;
    FrmQuelvar& form() const { return form_; }

signals:
    void mouseMoved(float xTwips, float yTwips);
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    FrmQuelvar& form_;
    Click<bool> click_;
    FrmQuelvar::Imagen shown_{};
};

} // namespace quelvar
