#pragma once

#include <QMouseEvent>

namespace quelvar {

// A click is a left press and a left release on the same target, as with a
// label or a button: a press that ends elsewhere clicks nothing.
template <typename Target> class Click {
public:
    void pressed(const QMouseEvent* e, Target target) { pressed_ = e->button() == Qt::LeftButton ? target : Target{}; }
    // True when this release, over `target`, ends a click begun there.
    bool released(const QMouseEvent* e, Target target) {
        const Target began = pressed_;
        pressed_ = Target{};
        return e->button() == Qt::LeftButton && target != Target{} && target == began;
    }

private:
    Target pressed_{};
};

} // namespace quelvar
