// The real desktop's services: files written in one step, bounded reads,
// and message boxes with Spanish buttons.

#include "qt/Language.h"
#include "qt/QtDesktop.h"
#include "qt/SingleInstance.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quelvar;

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll();
}
void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
const std::string Ticket = "1\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n9\r\n";

// Runs the next modal message box's check, then presses a key on it.
void onNextBox(const std::function<void(QMessageBox*)>& check, int key) {
    QTimer::singleShot(0, [check, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        check(box);
        QTest::keyClick(box, Qt::Key(key));
    });
}
} // namespace

// Catches what is handed to the desktop's "open".
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { speakSpanish(); }

    void writesAndReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.qlv");
        QtDesktop d;
        QVERIFY(d.writeFile(path.toStdString(), Ticket).ok);
        QCOMPARE(contents(path), QByteArray::fromStdString(Ticket));
        QVERIFY(d.writeFile(path.toStdString(), "0\r\n").ok);
        QCOMPARE(contents(path), QByteArray("0\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.qlv"}); // no temporary left over
    }

    void readOnlyFolderKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.qlv");
        put(path, "old");
        QVERIFY(chmod(dir.path().toLocal8Bit(), 0555) == 0);
        // Root ignores permissions; check them as an ordinary user would.
        const uid_t before = setfsuid(geteuid() == 0 ? 65534 : geteuid());
        QtDesktop d;
        const FileResult r = d.writeFile(path.toStdString(), Ticket);
        setfsuid(before);
        chmod(dir.path().toLocal8Bit(), 0755);
        QVERIFY(!r.ok);
        QCOMPARE(r.code, 70);
        QCOMPARE(QString::fromStdString(r.description), QStringLiteral("Permiso denegado"));
        QCOMPARE(contents(path), QByteArray("old"));
    }

    void aWriteCutShortKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.qlv");
        put(path, "old content");
        // A file-size limit makes the write fail part way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tight = old;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
        QtDesktop d;
        const FileResult r = d.writeFile(path.toStdString(), std::string(10000, '7'));
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!r.ok);
        QCOMPARE(r.code, 61);
        QCOMPARE(contents(path), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.qlv"});
    }

    // A pipe, a device or a folder is refused before anything is opened:
    // a pipe with no reader would block the window for good.
    void writesOnlyRegularFiles() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo.qlv");
        QVERIFY(mkfifo(fifo.toLocal8Bit(), 0600) == 0);
        const QString link = dir.filePath("link.qlv");
        QVERIFY(QFile::link(fifo, link));
        QtDesktop d;
        alarm(20); // a blocked write ends the test instead of hanging it
        for (const QString& target : {fifo, link, QStringLiteral("/dev/full"), QStringLiteral("/dev/null")}) {
            const FileResult r = d.writeFile(target.toStdString(), Ticket);
            QCOMPARE(r.code, 75);
            QCOMPARE(QString::fromStdString(r.description), QStringLiteral("Error de acceso a la ruta o el archivo"));
        }
        alarm(0);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // still the pipe
    }

    void writeErrors() {
        QTemporaryDir dir;
        QtDesktop d;
        QCOMPARE(d.writeFile(dir.filePath("no/such/folder/a.qlv").toStdString(), Ticket).code, 53);
        QCOMPARE(d.writeFile(dir.path().toStdString(), Ticket).code, 75);
    }

    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::newRow("ticket") << QByteArray::fromStdString(Ticket) << 0;
        QTest::newRow("binary") << QByteArray("\x00\xff\r\n\x01", 5) << 0;
        QTest::newRow("at the limit") << QByteArray(64 * 1024, '5') << 0;
        QTest::newRow("past the limit") << QByteArray(64 * 1024 + 1, '5') << 7;
        QTest::newRow("empty") << QByteArray() << 62;
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.qlv");
        put(path, bytes);
        QtDesktop d;
        const FileResult r = d.readFile(path.toStdString(), 64 * 1024);
        QCOMPARE(r.code, code);
        QCOMPARE(r.ok, code == 0);
        if (r.ok)
            QCOMPARE(QByteArray::fromStdString(r.bytes), bytes);
        else
            QVERIFY(!r.description.empty());
    }

    void readsOnlyRegularFiles() {
        QTemporaryDir dir;
        QtDesktop d;
        QCOMPARE(d.readFile(dir.filePath("missing.qlv").toStdString(), 100).code, 53);
        QCOMPARE(d.readFile(dir.path().toStdString(), 100).code, 75);
        const QString fifo = dir.filePath("fifo.qlv");
        QVERIFY(mkfifo(fifo.toLocal8Bit(), 0600) == 0);
        QCOMPARE(d.readFile(fifo.toStdString(), 100).code, 75); // refused, not waited on
        QCOMPARE(d.readFile("/dev/zero", 100).code, 75);
    }

    // A file named from outside is the file the kernel opens for that name:
    // no ".." folded as text, no name that is not UTF-8 lost on the way; a
    // save goes back to that file under the same bytes.
    void aStartFileIsTheFileTheKernelOpens_data() {
        QTest::addColumn<QByteArray>("argument"); // HERE: the folder
        QTest::addColumn<QByteArray>("content");  // empty: no file is taken
        QTest::newRow("a link, then ..") << QByteArray("link/../z.qlv") << QByteArray("real");
        QTest::newRow("not UTF-8") << QByteArray("mi\xf1"
                                                 "a.qlv")
                                   << QByteArray("mine");
        QTest::newRow("URI, not UTF-8") << QByteArray("file://HERE/mi%F1a.qlv") << QByteArray("mine");
        QTest::newRow("URI, localhost, a link")
            << QByteArray("file://localhostHERE/link/../z.qlv") << QByteArray("real");
        QTest::newRow("URI, another host") << QByteArray("file://otro/HERE/z.qlv") << QByteArray();
    }
    void aStartFileIsTheFileTheKernelOpens() {
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const std::string here = QFile::encodeName(dir.path()).toStdString();
        QVERIFY(::mkdir((here + "/real").c_str(), 0700) == 0 && ::mkdir((here + "/real/sub").c_str(), 0700) == 0);
        QVERIFY(::symlink("real/sub", (here + "/link").c_str()) == 0);
        put(dir.filePath("z.qlv"), "top");
        put(dir.filePath("real/z.qlv"), "real");
        QtDesktop d({argument.replace("HERE", QByteArray::fromStdString(here)).toStdString()});
        QVERIFY(d.writeFile(here + "/mi\xf1"
                                   "a.qlv",
                            "mine")
                    .ok);
        const auto before = std::filesystem::current_path();
        std::filesystem::current_path(here);
        const std::optional<std::string> file = d.startFile();
        std::filesystem::current_path(before);
        QCOMPARE(file.has_value(), !content.isEmpty());
        if (!file) return;
        QCOMPARE(QByteArray::fromStdString(d.readFile(*file, 100).bytes), content);
        QVERIFY(d.writeFile(*file, "saved").ok);
        QCOMPARE(d.readFile(*file, 100).bytes, std::string("saved"));
        QCOMPARE(contents(dir.filePath("z.qlv")), QByteArray("top"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(here), {}), 4); // no file under another name
    }

    void messageBoxButtons() {
        QtDesktop d;
        onNextBox(
            [](QMessageBox* box) {
                QStringList texts;
                for (QAbstractButton* b : box->buttons())
                    texts << b->text();
                QCOMPARE(texts.size(), 3);
                QVERIFY(texts.contains(QStringLiteral("&Sí")));
                QVERIFY(texts.contains(QStringLiteral("&No")));
                QVERIFY(texts.contains(QStringLiteral("Cancelar")));
                QCOMPARE(box->defaultButton()->text(), QStringLiteral("&Sí"));
                QCOMPARE(box->windowTitle(), QStringLiteral("Quelvar"));
                QCOMPARE(box->text(), QStringLiteral("Desea habilitar la modalidad\nApuesta manual?"));
                QCOMPARE(box->icon(), QMessageBox::Question);
            },
            Qt::Key_Return);
        QVERIFY(d.messageBox("Desea habilitar la modalidad\nApuesta manual?", MsgButtons::YesNoCancel,
                             MsgIcon::Question, "Quelvar") == MsgAnswer::Yes);

        onNextBox([](QMessageBox*) {}, Qt::Key_Escape);
        QVERIFY(d.messageBox("x", MsgButtons::YesNoCancel, MsgIcon::Question, "Quelvar") == MsgAnswer::Cancel);
        onNextBox([](QMessageBox*) {}, Qt::Key_Escape);
        QVERIFY(d.messageBox("x", MsgButtons::YesNo, MsgIcon::Question, "Quelvar") == MsgAnswer::No);
        onNextBox(
            [](QMessageBox* box) {
                QCOMPARE(box->buttons().size(), 1);
                QCOMPARE(box->buttons().constFirst()->text(), QStringLiteral("Aceptar"));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->windowTitle(), QStringLiteral("mnuAbrir_Click"));
            },
            Qt::Key_Escape);
        QVERIFY(d.messageBox("Error: 53 x", MsgButtons::Ok, MsgIcon::None, "mnuAbrir_Click") == MsgAnswer::Ok);
    }

    void shellOpenHandsTheAddressToTheDesktop() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        QtDesktop d;
        d.shellOpen("open", "mailto:autor@quelvar.example.org?Subject=Quelvar");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].toString(), QStringLiteral("mailto:autor@quelvar.example.org?Subject=Quelvar"));
    }

    // The lock lies in the user's own runtime folder: where there is none,
    // or it is open to others, every start runs. Another user holding the
    // name the lock once had stops nothing.
    void theLockIsTheUsersOwn_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("locks");
        QTest::newRow("private") << "private" << true;
        QTest::newRow("none") << "" << false;
        QTest::newRow("open to others") << "open" << false;
        QTest::newRow("another user's") << "foreign" << false;
        QTest::newRow("another user on the old name") << "old name" << true;
    }
    void theLockIsTheUsersOwn() {
        QFETCH(QString, folder);
        QFETCH(bool, locks);
        if ((folder == "foreign" || folder == "old name") && ::getuid() != 0) QSKIP("a second user needs root");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir dir;
        if (folder == "open") QVERIFY(::chmod(QFile::encodeName(dir.path()), 0755) == 0);
        if (folder == "foreign") QVERIFY(::chown(QFile::encodeName(dir.path()), 65534, 65534) == 0);
        qputenv("XDG_RUNTIME_DIR", folder.isEmpty() ? QByteArray() : QFile::encodeName(dir.path()));
        pid_t other = 0;
        if (folder == "old name") {
            // Bound, listening with no room, its one place taken: once, that
            // made every start of this user take itself for the second.
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            if ((other = ::fork()) == 0) {
                const std::string name = "quelvar-" + std::to_string(::getuid());
                sockaddr_un address{};
                address.sun_family = AF_UNIX;
                std::memcpy(address.sun_path + 1, name.data(), name.size());
                const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
                const int s = ::socket(AF_UNIX, SOCK_STREAM, 0), c = ::socket(AF_UNIX, SOCK_STREAM, 0);
                if (::setuid(65534) == 0 && ::bind(s, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
                    ::listen(s, 0) == 0)
                    ::connect(c, reinterpret_cast<sockaddr*>(&address), length);
                [[maybe_unused]] const auto n = ::write(ready[1], "x", 1);
                ::pause();
            }
            char x;
            QCOMPARE(::read(ready[0], &x, 1), 1);
        }
        auto first = std::make_unique<SingleInstance>();
        const bool firstRunning = first->anotherRunning();
        SingleInstance second;
        const bool secondRunning = second.anotherRunning();
        first.reset(); // as if it was killed: its hold goes with it
        SingleInstance third;
        const bool thirdRunning = third.anotherRunning();
        if (other) ::kill(other, SIGKILL), ::waitpid(other, nullptr, 0);
        qputenv("XDG_RUNTIME_DIR", runtime);
        QVERIFY(!firstRunning);
        QCOMPARE(secondRunning, locks);
        QVERIFY(!thirdRunning);
    }

    // A later start hands its file to the holder, which takes it and says
    // so; a process of another user is not heard. A path longer than the
    // open command takes, or one the window has no room for, is refused.
    void aFileIsHandedOverOnlyByItsOwnUser() {
        SingleInstance first;
        QVERIFY(!first.anotherRunning());
        QStringList got;
        first.setReceiver([&got](const std::string& path) {
            got << QString::fromStdString(path);
            return got.size() < 2;
        });
        SingleInstance second;
        QVERIFY(second.anotherRunning());
        auto handOver = [&second](const std::string& path) {
            std::atomic<int> taken{-1};
            std::thread later([&] { taken = second.handOver(path) ? 1 : 0; });
            while (taken == -1) // the holder answers from its event loop
                QTest::qWait(10);
            later.join();
            return taken.load();
        };
        QCOMPARE(handOver("/d/jueves.qlv"), 1);
        QCOMPARE(got, QStringList{QStringLiteral("/d/jueves.qlv")});
        QCOMPARE(handOver("/d/" + std::string(252, 'x')), 0);
        QCOMPARE(handOver("/d/lleno.qlv"), 0); // no room
        QCOMPARE(got.size(), 2);

        // A call that never ends its path is hung up on once it is longer
        // than any path, well before its time is up.
        const std::string socketPath = qgetenv("XDG_RUNTIME_DIR").toStdString() + "/quelvar.socket";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        const int flood = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::connect(flood, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const std::string endless(2048, 'x');
        QCOMPARE(::send(flood, endless.data(), endless.size(), MSG_NOSIGNAL), ssize_t(endless.size()));
        QTest::qWait(100);
        char answer;
        const ssize_t heardBack = ::recv(flood, &answer, 1, MSG_DONTWAIT);
        QVERIFY(heardBack == 0 || (heardBack < 0 && errno == ECONNRESET)); // hung up, not still reading
        ::close(flood);

        if (::getuid() != 0) QSKIP("a second user needs root");
        int said[2];
        QCOMPARE(::pipe2(said, O_NONBLOCK), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            // Another user calls this user's socket straight, and tells what
            // came back: 'n' nothing, 'y' an answer.
            char heard = 'n';
            if (::setuid(65534) == 0) {
                const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
                const timeval wait{3, 0};
                ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
                if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
                    ::send(s, "/d/otro.qlv", 12, MSG_NOSIGNAL); // with its ending zero
                    char answer = 0;
                    heard = ::recv(s, &answer, 1, 0) == 1 ? 'y' : 'n';
                }
            }
            [[maybe_unused]] const auto n = ::write(said[1], &heard, 1);
            ::_exit(0);
        }
        ::close(said[1]);
        char heard = 0;
        QTRY_VERIFY(heard != 0 || ::read(said[0], &heard, 1) == 1);
        ::close(said[0]);
        ::waitpid(other, nullptr, 0);
        QCOMPARE(heard, 'n');
        QTest::qWait(100);
        QCOMPARE(got.size(), 2);
    }

    // A start between the holder's lock and its listening socket waits for
    // the socket instead of taking the holder for gone.
    void aHandOverWaitsForTheHolderToListen() {
        const std::string folder = qgetenv("XDG_RUNTIME_DIR").toStdString();
        const int lock = ::open((folder + "/quelvar.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QCOMPARE(::flock(lock, LOCK_EX), 0);
        SingleInstance later;
        QVERIFY(later.anotherRunning());
        std::atomic<int> taken{-1};
        std::thread start([&] { taken = later.handOver("/d/viernes.qlv") ? 1 : 0; });
        QTest::qWait(300);
        ::close(lock); // the holder's lock is free, and now it comes up for real
        SingleInstance holder;
        QVERIFY(!holder.anotherRunning());
        QStringList got;
        holder.setReceiver([&got](const std::string& path) { return got << QString::fromStdString(path), true; });
        QTRY_VERIFY(taken != -1);
        start.join();
        QCOMPARE(taken.load(), 1);
        QCOMPARE(got, QStringList{QStringLiteral("/d/viernes.qlv")});
    }

    // A name in a folder that does not exist is refused by the save dialog
    // itself, in Qt's Spanish; the dialog stays open.
    void saveDialogNeedsAnExistingFolder() {
        QTemporaryDir dir;
        FileDialog spec;
        spec.mode = FileDialog::Mode::SaveAs;
        spec.title = "Guardar como...";
        spec.filterName = "Quelvar";
        spec.filterPattern = "*.qlv";
        spec.initialDir = dir.path().toStdString();
        spec.defaultSuffix = "qlv";
        auto dialog = QtDesktop::makeFileDialog(spec, nullptr);
        dialog->show();
        QString warning;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            warning = box->text();
            box->accept();
        });
        dialog->selectFile(dir.filePath("nodir/x"));
        QMetaObject::invokeMethod(dialog.get(), "accept");
        QVERIFY(warning.contains(dir.filePath("nodir")));
        QVERIFY2(warning.contains(QStringLiteral("directorio")), qPrintable(warning));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), 0);
        dialog->selectFile(dir.filePath("x.qlv")); // an existing folder passes
        QMetaObject::invokeMethod(dialog.get(), "accept");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // Dates, numbers and file types of Qt's dialogs are Spanish too.
    void fileDialogSpeaksSpanish() {
        QTemporaryDir dir;
        put(dir.filePath("nota.txt"), "texto");
        FileDialog spec;
        spec.initialDir = dir.path().toStdString();
        auto dialog = QtDesktop::makeFileDialog(spec, nullptr);
        dialog->setNameFilter("*");
        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model);
        // What the list shows goes through the dialog's proxy.
        QAbstractItemModel* shown = dialog->proxyModel();
        QVERIFY(shown);
        const QModelIndex name = dialog->proxyModel()->mapFromSource(model->index(dir.filePath("nota.txt")));
        QTRY_VERIFY(shown->data(name.siblingAtColumn(3)).toString().size() > 0);
        const QString type = shown->data(name.siblingAtColumn(2)).toString();
        const QString date = shown->data(name.siblingAtColumn(3)).toString();
        const QDateTime when = QFileInfo(dir.filePath("nota.txt")).lastModified();
        QCOMPARE(date, QLocale(QLocale::Spanish, QLocale::Spain).toString(when, QLocale::ShortFormat));
        QCOMPARE(type, QStringLiteral("documento de texto sencillo"));
        QCOMPARE(QFileDialog::tr("&Open"), QStringLiteral("&Abrir"));
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
