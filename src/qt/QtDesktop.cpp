#include "qt/QtDesktop.h"

#include "window/Texts.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace quelvar {

MsgAnswer QtDesktop::messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) {
    QMessageBox box(owner_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }

    struct Choice {
        const char* label;
        QMessageBox::ButtonRole role;
        MsgAnswer answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case MsgButtons::Ok: choices = {{textos::BotonAceptar, QMessageBox::AcceptRole, MsgAnswer::Ok}}; break;
    case MsgButtons::YesNo:
        choices = {{textos::BotonSi, QMessageBox::YesRole, MsgAnswer::Yes},
                   {textos::BotonNo, QMessageBox::NoRole, MsgAnswer::No}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{textos::BotonSi, QMessageBox::YesRole, MsgAnswer::Yes},
                   {textos::BotonNo, QMessageBox::NoRole, MsgAnswer::No},
                   {textos::BotonCancelar, QMessageBox::RejectRole, MsgAnswer::Cancel}};
        break;
    }
    std::vector<QPushButton*> added;
    for (const Choice& c : choices)
        added.push_back(box.addButton(QString::fromUtf8(c.label), c.role));
    // The first button is the default; Escape answers the last one (Cancel,
    // or No where there is no Cancel, or OK alone).
    box.setDefaultButton(added.front());
    box.setEscapeButton(added.back());
    box.exec();

    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return choices[i].answer;
    return choices.back().answer;
}

bool QtDesktop::anotherInstanceRunning() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/quelvar.lock"));
    // A lock left by a killed instance names a dead process: QLockFile
    // recognises it as stale at once.
    lock_->setStaleLockTime(0);
    return !lock_->tryLock(0);
}

std::optional<std::string> QtDesktop::fileDialog(const FileDialog& d) {
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromStdString(d.title));
    dialog.setNameFilter(QString::fromStdString(d.filterName + " (" + d.filterPattern + ")"));
    if (!d.initialDir.empty()) dialog.setDirectory(QString::fromStdString(d.initialDir));
    if (d.mode == FileDialog::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromStdString(d.defaultSuffix));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtDesktop::environment(const std::string& name) { return qEnvironmentVariable(name.c_str()).toStdString(); }

namespace {

FileResult failure(const errores::Error& e) { return {false, e.code, e.description, {}}; }

FileResult failureFromErrno(int err) {
    switch (err) {
    case ENOENT: return failure(errores::NoEncontrado);
    case EACCES:
    case EPERM:
    case EROFS: return failure(errores::PermisoDenegado);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return failure(errores::DiscoLleno);
    case EIO: return failure(errores::ErrorES);
    default: return failure(errores::AccesoRuta);
    }
}

} // namespace

FileResult QtDesktop::readFile(const std::string& path, std::size_t maxBytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists()) return failure(errores::NoEncontrado);
    // Only regular files: a pipe would block and a device may never end.
    if (!info.isFile()) return failure(errores::AccesoRuta);
    QFile file(name);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return failureFromErrno(errno);
    // Read one byte past the limit to tell a large file without trusting its size.
    const QByteArray data = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) return failure(errores::ErrorES);
    if (static_cast<std::size_t>(data.size()) > maxBytes) return failure(errores::DemasiadoGrande);
    if (data.isEmpty()) return failure(errores::FinDeArchivo);
    return {true, 0, {}, data.toStdString()};
}

FileResult QtDesktop::writeFile(const std::string& path, const std::string& bytes) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) return failure(errores::AccesoRuta);
    if (info.exists() && !info.isFile()) {
        // A device such as /dev/full cannot be replaced; write to it directly.
        QFile device(name);
        errno = 0;
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failureFromErrno(errno);
        errno = 0;
        if (device.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            return failureFromErrno(errno);
        return {};
    }
    // The old file is replaced only once the new one is complete on disk.
    // Unbuffered, so that a short write shows here: through the buffer a
    // partly flushed file would still be committed.
    QSaveFile file(name);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failureFromErrno(errno);
    errno = 0;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const int err = errno;
        file.cancelWriting();
        file.commit();
        return failureFromErrno(err);
    }
    errno = 0;
    if (!file.commit()) return failureFromErrno(errno ? errno : EIO);
    return {};
}

std::uint64_t QtDesktop::clockReading() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void QtDesktop::showModal(Formulario form) {
    if (showDialog_) showDialog_(form);
}

// Qt opens with the desktop's handler; there is no other verb than open.
void QtDesktop::shellOpen(const std::string&, const std::string& target) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(target)));
}

} // namespace quelvar
