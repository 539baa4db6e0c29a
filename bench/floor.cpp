// The floor of the start-up benchmark: a Qt program that shows an empty
// main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Suelo"));
    window.resize(635, 480);
    window.show();
    return QApplication::exec();
}
