#include "qt/Accesible.h"
#include "qt/Artwork.h"
#include "qt/Idioma.h"
#include "qt/MainWindow.h"
#include "qt/QtDesktop.h"
#include "window/Programa.h"
#include "window/Texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(quelvar::textos::Titulo));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quelvar"));
    QApplication::setWindowIcon(quelvar::artwork::programIcon());

    quelvar::hablarEspanol();
    quelvar::instalarAccesibilidad();

    quelvar::QtDesktop desktop;
    quelvar::Programa programa(desktop);
    if (!programa.frmQuelvar.Form_Load()) return 0;

    quelvar::MainWindow window(programa);
    desktop.setOwner(&window);
    desktop.setDialogs([&window](quelvar::Formulario form) { window.showDialog(form); });
    window.show();
    return QApplication::exec();
}
