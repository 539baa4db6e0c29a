#include "qt/QtDesktop.h"

#include "base/Errores.h"
#include "base/Textos.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <chrono>
#include <cstddef>
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

QtDesktop::~QtDesktop() = default;

bool QtDesktop::anotherInstanceRunning() { return instance_.anotherRunning(); }

bool QtDesktop::handOver(const std::string& path) { return instance_.handOver(path); }

// One argument that is no option is a file to open, as a file manager gives
// it; anything else on the command line is not read.
std::optional<std::string> QtDesktop::startFile() {
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.size() != 1 || arguments[0].isEmpty() || arguments[0].startsWith('-')) return std::nullopt;
    QString path = arguments[0];
    if (path.startsWith(QStringLiteral("file:"))) path = QUrl(path).toLocalFile();
    if (path.isEmpty()) return std::nullopt;
    // Made whole here: the instance it may go to works in another folder.
    return QFileInfo(path).absoluteFilePath().toStdString();
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
class FechaEspanola : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    static constexpr int ColumnaFecha = 3;

    QVariant data(const QModelIndex& index, int role) const override {
        if (index.column() == ColumnaFecha && role == Qt::DisplayRole)
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
    dialog.setProxyModel(new FechaEspanola(&dialog));
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
    // Only a regular file, or a name not taken yet: a pipe would block the
    // window for good, and a device is no place for a ticket.
    if (info.exists() && !info.isFile()) return failure(errores::AccesoRuta);
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
