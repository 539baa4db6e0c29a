#pragma once

#include "window/Desktop.h"

#include <QLockFile>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace quelvar {

// The real desktop: Qt message boxes and a lock file for the single-instance
// test.
class QtDesktop : public Desktop {
public:
    // Message boxes are owned by this window once it exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    bool anotherInstanceRunning() override;

private:
    QPointer<QWidget> owner_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace quelvar
