#include "qt/QtDesktop.h"

#include "base/Errores.h"
#include "base/Textos.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QtDesktop::~QtDesktop() = default;

bool QtDesktop::anotherInstanceRunning() { return instance_.anotherRunning(); }

bool QtDesktop::handOver(const std::string& path) { return instance_.handOver(path); }

namespace {

// A file: URI's path as the bytes it encodes; empty when it names no file
// on this machine.
std::string localPath(const std::string& uri) {
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(uri));
    if (!url.isValid() || !url.isLocalFile()) return {};
    if (!url.host().isEmpty() && url.host() != QStringLiteral("localhost")) return {};
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!path.startsWith('/')) return {};
    return path.toStdString();
}

} // namespace

// One argument that is no option is a file to open, as a file manager gives
// it; anything else on the command line is not read. The path stays the
// bytes it was given (a name need not be UTF-8), and a relative one is put
// after the working folder as it stands: folding "a/../b" as text would
// name another file than the kernel opens when a is a link.
std::optional<std::string> QtDesktop::startFile() {
    if (arguments_.size() != 1) return std::nullopt;
    std::string path = arguments_[0];
    if (path.empty() || path[0] == '-') return std::nullopt;
    if (path.rfind("file:", 0) == 0) path = localPath(path);
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    // Made whole here: the instance it may go to works in another folder.
    if (path[0] != '/') {
        std::error_code error;
        const std::string here = std::filesystem::current_path(error).native();
        if (error) return std::nullopt;
        path = here + (here.back() == '/' ? "" : "/") + path;
    }
    return path;
}

namespace {

// The save dialog refuses a name in a folder that does not exist, as the
// open dialog refuses a file that does not exist, with Qt's own words.
class BetFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            const QString folder = chosen.absolutePath();
            if (!chosen.isDir() && !QFileInfo(folder).isDir()) {
                QMessageBox::warning(this, windowTitle(),
                                     QFileDialog::tr("%1\nDirectory not found.\nPlease verify the "
                                                     "correct directory name was given.")
                                         .arg(folder));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// The dialog's list dates its files in the system's locale; show them in
// the program's, as everything else it shows.
class SpanishDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    static constexpr int DateColumn = 3;

    QVariant data(const QModelIndex& index, int role) const override {
        if (index.column() == DateColumn && role == Qt::DisplayRole)
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

std::unique_ptr<QFileDialog> QtDesktop::makeFileDialog(const FileDialog& d, QWidget* owner) {
    auto made = std::make_unique<BetFileDialog>(owner);
    QFileDialog& dialog = *made;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new SpanishDates(&dialog));
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
    return made;
}

std::optional<std::string> QtDesktop::fileDialog(const FileDialog& d) {
    const std::unique_ptr<QFileDialog> made = makeFileDialog(d, owner_);
    QFileDialog& dialog = *made;
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

// Files are named by bytes, as the kernel names them: a name that is no
// UTF-8 is read and written back under the same bytes.
FileResult QtDesktop::readFile(const std::string& path, std::size_t maxBytes) {
    // Opened without waiting, and what was opened is checked, not the name:
    // a pipe put in the file's place meanwhile would block the window for
    // good, and a device may never end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOTDIR ? failure(errores::NoEncontrado) : failureFromErrno(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return failure(errores::AccesoRuta);
    }
    // Read one byte past the limit to tell a large file without trusting its size.
    std::string data(maxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return failure(errores::ErrorES);
        }
        if (n == 0) break;
        got += std::size_t(n);
    }
    ::close(fd);
    if (got > maxBytes) return failure(errores::DemasiadoGrande);
    if (got == 0) return failure(errores::FinDeArchivo);
    data.resize(got);
    return {true, 0, {}, std::move(data)};
}

namespace {

bool writeAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        sent += std::size_t(n);
    }
    return true;
}

} // namespace

// The old file is replaced only once the new one is complete on disk: it is
// written beside it under another name, then renamed over it in one step.
FileResult QtDesktop::writeFile(const std::string& path, const std::string& bytes) {
    std::string target = path;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // Only a regular file, or a name not taken yet: a pipe would block the
    // window for good, and a device is no place for a ticket.
    if (exists && !S_ISREG(old.st_mode)) return failure(errores::AccesoRuta);
    // A link keeps pointing at the file it names: that file is replaced.
    if (exists)
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + ".quelvar-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return failureFromErrno(errno);
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failureFromErrno(err);
    };
    if (!writeAll(fd, bytes)) return fail(errno);
    // A replaced file keeps its permissions.
    if (exists) ::fchmod(fd, old.st_mode & 07777);
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return failureFromErrno(err);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary.c_str());
        return failureFromErrno(err);
    }
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
