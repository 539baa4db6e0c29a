#pragma once

#include <QWidget>

#include <functional>

namespace quelvar {

// A control that only shows a picture: the boards' background and the
// bottom bar.
class PictureView : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, QSize)>;
    PictureView(Painter painter, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Painter painter_;
};

} // namespace quelvar
