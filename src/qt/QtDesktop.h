#pragma once

#include "window/Desktop.h"

#include <QLockFile>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace quelvar {

// The real desktop: Qt message boxes and file dialogs, files written through
// QSaveFile, and a lock file for the single-instance test.
class QtDesktop : public Desktop {
public:
    // Message boxes are owned by this window once it exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    bool anotherInstanceRunning() override;
    std::optional<std::string> fileDialog(const FileDialog& dialog) override;
    std::string environment(const std::string& name) override;
    FileResult readFile(const std::string& path, std::size_t maxBytes) override;
    FileResult writeFile(const std::string& path, const std::string& bytes) override;
    std::uint64_t clockReading() override;
    void showModal(Formulario form) override;
    void shellOpen(const std::string& verb, const std::string& target) override;
    // The window that shows the dialogs.
    void setDialogs(std::function<void(Formulario)> show) { showDialog_ = std::move(show); }

private:
    QPointer<QWidget> owner_;
    std::unique_ptr<QLockFile> lock_;
    std::function<void(Formulario)> showDialog_;
};

} // namespace quelvar
