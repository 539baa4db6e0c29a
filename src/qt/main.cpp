#include "base/Textos.h"
#include "qt/Accessibility.h"
#include "qt/Artwork.h"
#include "qt/Language.h"
#include "qt/MainWindow.h"
#include "qt/QtDesktop.h"
#include "window/Programa.h"

#include <QApplication>
#include <QSettings>

#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // The window repaints a few cells at a time. Through X shared memory,
    // every repaint of pixels the server may still be reading first waits
    // for the server (a round trip); images this small cost less sent down
    // the connection itself. The connection reads the setting when it is
    // made, and the programs the links open must not inherit it.
    const bool shmChosen = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!shmChosen) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    if (!shmChosen) qunsetenv("QT_XCB_NO_MITSHM");
    QApplication::setApplicationName(QString::fromUtf8(quelvar::textos::Titulo));
    // The program keeps no settings, but Qt's file dialog would keep its
    // history in the user's home: a folder that cannot exist takes it.
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quelvar"));
    QApplication::setWindowIcon(quelvar::artwork::programIcon());

    quelvar::speakSpanish();
    quelvar::installAccessibility();

    // What Qt has not taken of the command line, as the bytes it was given.
    quelvar::QtDesktop desktop(std::vector<std::string>(argv + 1, argv + argc));
    quelvar::Programa programa(desktop);
    if (!programa.frmQuelvar.Form_Load()) return 0;

    quelvar::MainWindow window(programa);
    desktop.setOwner(&window);
    desktop.setDialogs([&window](quelvar::Formulario form) { window.showDialog(form); });
    desktop.setHandOverReceiver([&window](const std::string& path) { return window.openFromOutside(path); });
    window.show();
    if (const auto file = desktop.startFile()) window.openFromOutside(*file);
    return QApplication::exec();
}
