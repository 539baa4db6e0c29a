// The floors the benchmarks measure the program against.
//   floor              shows an empty main window and nothing else (start-up)
//   floor menus        the same with a menu bar of four titles: the least a
//                      window that shows any text costs (start-up)
//   floor TICKS CELLS  also runs a precise 10 ms timer TICKS times from one
//                      second after start, repainting CELLS cell-sized
//                      rectangles a tick, colour only (0: the timer alone),
//                      then prints
//                      the processor time those ticks took and quits (draw)
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Cells 21 x 17 pixels in a row of ten, like a board's numbers.
class Cells : public QWidget {
public:
    Cells() { setAttribute(Qt::WA_OpaquePaintEvent); }
    int lit = -1;
    static QRect cell(int k) { return {20 + (k % 10) * 24, 20 + (k / 10 % 5) * 20, 21, 17}; }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(e->rect(), Qt::white);
        for (int k = 0; k < 50; ++k) {
            if (!e->region().intersects(cell(k))) continue;
            p.fillRect(cell(k), k == lit ? Qt::red : Qt::lightGray);
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Suelo"));
    window.resize(635, 480);
    if (argc == 2) {
        for (const char* title : {"Archivo", "Apuestas", "Imprimir", "Ayuda"})
            window.menuBar()->addMenu(QString::fromUtf8(title));
    }
    if (argc < 3) {
        window.show();
        return QApplication::exec();
    }
    const int ticks = std::atoi(argv[1]);
    const int cells = std::atoi(argv[2]);
    auto* board = new Cells;
    window.setCentralWidget(board);
    window.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int done = 0;
    double start = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const int before = board->lit;
        board->lit = (board->lit + 1) % 50;
        if (cells >= 1) board->update(Cells::cell(board->lit));
        if (cells >= 2 && before >= 0) board->update(Cells::cell(before));
        if (++done < ticks) return;
        std::printf("%.6f\n", processorSeconds() - start);
        QApplication::quit();
    });
    QTimer::singleShot(1000, [&] {
        start = processorSeconds();
        timer.start(10);
    });
    return QApplication::exec();
}
