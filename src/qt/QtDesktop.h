#pragma once

#include "base/Desktop.h"
#include "qt/SingleInstance.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quelvar {

// The real desktop: Qt message boxes and file dialogs, files read and
// written by their bytes' names, the command line's file, and the
// single-instance lock with its hand-over of a file.
class QtDesktop : public Desktop {
public:
    // arguments: the command line after the program's name, as bytes.
    explicit QtDesktop(std::vector<std::string> arguments = {}) : arguments_(std::move(arguments)) {}
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // Message boxes are owned by this window once it exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    bool anotherInstanceRunning() override;
    std::optional<std::string> startFile() override;
    bool handOver(const std::string& path) override;
    // Where the paths that later starts hand over go; the receiver says
    // whether it had room for one more.
    void setHandOverReceiver(std::function<bool(const std::string&)> receive) {
        instance_.setReceiver(std::move(receive));
    }
    std::optional<std::string> fileDialog(const FileDialog& dialog) override;
    std::string environment(const std::string& name) override;
    FileResult readFile(const std::string& path, std::size_t maxBytes) override;
    FileResult writeFile(const std::string& path, const std::string& bytes) override;
    std::uint64_t clockReading() override;
    void showModal(Formulario form) override;
    void shellOpen(const std::string& verb, const std::string& target) override;
    // The window that shows the dialogs.
    void setDialogs(std::function<void(Formulario)> show) { showDialog_ = std::move(show); }
    // The open or save-as dialog as fileDialog() shows it.
    static std::unique_ptr<QFileDialog> makeFileDialog(const FileDialog& dialog, QWidget* owner);

private:
    std::vector<std::string> arguments_;
    QPointer<QWidget> owner_;
    SingleInstance instance_;
    std::function<void(Formulario)> showDialog_;
};

} // namespace quelvar
