#include "qt/MainWindow.h"

#include "qt/AcercaDeDialog.h"
#include "qt/Artwork.h"
#include "qt/BetButton.h"
#include "qt/BoardView.h"
#include "qt/BorrarDialog.h"
#include "qt/Geometry.h"
#include "qt/PictureView.h"
#include "qt/SizeChooserView.h"
#include "qt/ToolbarView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace quelvar {

namespace {
// How often a file from outside looks again whether the window is free.
constexpr int FileWaitMs = 200;
// Files from outside that may wait at once.
constexpr std::size_t MaxWaitingFiles = 4;
} // namespace

MainWindow::MainWindow(Programa& programa, QWidget* parent)
    : QMainWindow(parent), programa_(programa), form_(programa.frmQuelvar) {
    auto* client = new QWidget(this);
    client->setFixedSize(rectI(layout::Cliente).size());
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, Qt::white);
    client->setPalette(pal);
    setCentralWidget(client);

    auto* picture2 = new PictureView([](QPainter& p, QSize size) { artwork::paintBoardsBackground(p, size); }, client);
    picture2->setGeometry(rectI(layout::Picture2));
    for (int b = 1; b <= Apuestas; ++b) {
        boards_[b] = new BoardView(form_, b, picture2);
        connect(boards_[b], &CellGrid::cellClicked, this, [this, b](int cell) {
            const int k = celdas::valor(cell);
            if (celdas::esEstrella(cell))
                press([this, b, k] { form_.clickEstrella(b, k); });
            else
                press([this, b, k] { form_.clickNumero(b, k); });
        });
    }
    sizes_ = new SizeChooserView(form_, picture2);
    connect(sizes_, &CellGrid::cellClicked, this, [this](int k) { press([this, k] { form_.lblApmul_Click(k); }); });

    auto* picture1 = new PictureView(artwork::paintBottomBar, client);
    picture1->setGeometry(rectI(layout::Picture1));
    cmdApuesta_ = new BetButton(picture1);
    cmdApuesta_->setGeometry(rectI(layout::cmdApuesta));
    QFont bf = artwork::cellFont();
    cmdApuesta_->setFont(bf);
    connect(cmdApuesta_, &QPushButton::clicked, this, [this] { press([this] { form_.cmdApuesta_Click(); }); });

    tools_ = new ToolbarView(form_, client);
    connect(tools_, &ToolbarView::mouseMoved, this,
            [this](float x, float y) { press([this, x, y] { form_.pTools_MouseMove(0, 0, x, y); }); });
    connect(tools_, &ToolbarView::clicked, this, [this] { press([this] { form_.pTools_Click(); }); });
    // Moves over the window's own surface, outside every control.
    client->setMouseTracking(true);
    client->installEventFilter(this);

    // The keyboard goes round from the button over the boards and the size
    // chooser; the button has it first.
    setTabOrder(cmdApuesta_, boards_[1]);
    for (int b = 1; b < Apuestas; ++b)
        setTabOrder(boards_[b], boards_[b + 1]);
    setTabOrder(boards_[Apuestas], sizes_);
    setTabOrder(sizes_, cmdApuesta_);
    cmdApuesta_->setFocus(Qt::OtherFocusReason);

    buildMenus();
    buildTimers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowIcon(artwork::programIcon());
    programa_.ventana.escuchar(*this);
    refresh();
}

MainWindow::~MainWindow() { programa_.ventana.dejar(*this); }

namespace {
// The caption as Qt shows it, the mnemonic's character underlined.
QString withMnemonic(const std::string& caption, int at) {
    QString text = QString::fromStdString(caption).replace('&', QStringLiteral("&&"));
    if (at >= 0 && at < text.size()) text.insert(at, '&');
    return text;
}
} // namespace

void MainWindow::buildMenus() {
    QMenu* current = nullptr;
    for (const auto& e : FrmQuelvar::arbolMenu()) {
        const ItemMenu& it = form_.*e.item;
        if (e.principal) {
            current = menuBar()->addMenu(withMnemonic(it.Caption, e.tecla));
            menus_[e.id] = current;
            continue;
        }
        if (it.separador) {
            current->addSeparator();
            continue;
        }
        QAction* a = current->addAction(withMnemonic(it.Caption, e.tecla));
        if (!it.Shortcut.empty()) {
            a->setShortcut(QKeySequence(QString::fromStdString(it.Shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
        }
        // Queued: a screen reader's press on an item that opens a dialog
        // returns at once instead of waiting on the bus until it closes.
        const auto id = e.id;
        connect(
            a, &QAction::triggered, this, [this, id] { chooseMenu(id); }, Qt::QueuedConnection);
        actions_[id] = a;
    }
    // F10 opens the first menu, as on other desktop programs.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        QMenu* first = menus_.at(FrmQuelvar::Menu::mnuArchivo);
        if (first->isEnabled()) menuBar()->setActiveAction(first->menuAction());
    });
}

void MainWindow::chooseMenu(FrmQuelvar::Menu id) {
    // A screen reader may press an item of a menu that is open; as with a
    // click on it, the menus close and the command runs. Under a modal
    // dialog nothing runs, and no menu of the dialog's is touched.
    if (QApplication::activeModalWidget()) return;
    for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open)
        QApplication::activePopupWidget()->close();
    press([this, id] { form_.menuClick(id); });
}

void MainWindow::buildTimers() {
    for (const auto& t : FrmQuelvar::temporizadores()) {
        auto& q = timers_[t.numero];
        q = std::make_unique<QTimer>();
        q->setTimerType(Qt::PreciseTimer);
        q->setInterval((form_.*t.control).Interval);
        connect(q.get(), &QTimer::timeout, this, [this, &t] { tick(t); });
    }
}

void MainWindow::tick(const FrmQuelvar::EntradaTemporizador& t) {
    // A modal dialog's loop may deliver a tick of a timer that the handler it
    // interrupted has stopped, before the refresh that stops the QTimer.
    if ((form_.*t.control).Enabled) (form_.*t.tick)();
    refresh();
}

void MainWindow::temporizador(int numero, bool activo) {
    // A start is a new interval, even for a timer stopped and started again
    // within one handler; a stop needs nothing beyond the model's state.
    if (activo) timerStarted_[std::size_t(numero)] = true;
}

void MainWindow::cerrarDialogo(Formulario formulario) {
    if (formulario == Formulario::Borrar && borrar_) borrar_->requestClose();
    if (formulario == Formulario::AcercaDe && acercaDe_) acercaDe_->requestClose();
}

// The window's requests are carried out in a fixed order once a handler has
// returned: that order decides which of two due ticks comes first.
void MainWindow::refresh() {
    showCaption();
    showMenus();
    showButton();
    giveFocus();
    mirrorTimers();
    closeIfAsked();
    for (int b = 1; b <= Apuestas; ++b)
        boards_[b]->sync();
    sizes_->sync();
    tools_->sync();
}

// A draw refreshes a hundred times a second and mostly changes cells only:
// the texts and menus are handed to Qt when they change.
void MainWindow::showCaption() {
    if (form_.Caption == shownCaption_) return;
    shownCaption_ = form_.Caption;
    setWindowTitle(QString::fromStdString(shownCaption_));
}

// An item's shortcut must die with its top-level menu, so each action
// carries the state the model says is usable.
void MainWindow::showMenus() {
    menusNow_.clear();
    for (const auto& [id, menu] : menus_)
        menusNow_.push_back(form_.item(id).Enabled);
    for (const auto& [id, a] : actions_) {
        menusNow_.push_back(form_.item(id).Checked);
        menusNow_.push_back(form_.activo(id));
    }
    if (menusNow_ == shownMenus_) return;
    shownMenus_ = menusNow_;
    auto state = shownMenus_.cbegin();
    for (const auto& [id, menu] : menus_)
        menu->setEnabled(*state++);
    for (const auto& [id, a] : actions_) {
        const bool checked = *state++;
        a->setCheckable(checked);
        a->setChecked(checked);
        a->setEnabled(*state++);
    }
}

void MainWindow::showButton() {
    if (form_.cmdApuesta.Caption != shownButton_) {
        shownButton_ = form_.cmdApuesta.Caption;
        cmdApuesta_->setText(QString::fromStdString(shownButton_));
    }
    if (shownButtonEnabled_ == form_.cmdApuesta.Enabled) return;
    shownButtonEnabled_ = form_.cmdApuesta.Enabled;
    // A disabled button hands the focus to the window itself, not on to a
    // board, even when the window is activated again meanwhile: keys wait,
    // as they always have, until the program gives the button its focus back.
    if (!form_.cmdApuesta.Enabled && focusWidget() == cmdApuesta_) setFocus(Qt::OtherFocusReason);
    cmdApuesta_->setEnabled(form_.cmdApuesta.Enabled);
}

// After the button's state: a draw that ends enables the button and asks
// for its focus in one handler.
void MainWindow::giveFocus() {
    if (!focusRequested_) return;
    focusRequested_ = false;
    if (cmdApuesta_->isEnabled()) cmdApuesta_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::mirrorTimers() {
    for (const auto& t : FrmQuelvar::temporizadores()) {
        const Temporizador& model = form_.*t.control;
        QTimer& q = *timers_[t.numero];
        bool& started = timerStarted_[t.numero];
        if (!model.Enabled)
            q.stop();
        else if (!q.isActive() || started)
            q.start(model.Interval);
        started = false;
    }
}

void MainWindow::closeIfAsked() {
    if (!closeRequested_) return;
    closeRequested_ = false;
    // Closing runs the unload questions; let the current handler end first.
    QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    run([this, &cancel] { form_.Form_Unload(cancel); });
    if (cancel)
        event->ignore();
    else
        event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::MouseMove) {
        const auto* e = static_cast<QMouseEvent*>(event);
        const float x = static_cast<float>(e->position().x() * layout::TwipsPorPixel);
        const float y = static_cast<float>(e->position().y() * layout::TwipsPorPixel);
        run([this, x, y] { form_.Form_MouseMove(0, 0, x, y); });
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::openFromOutside(const std::string& path) {
    if (waitingFiles_.size() >= MaxWaitingFiles) return false;
    if (isMinimized()) showNormal();
    // A dialog in the way comes forward with the window: it is what the
    // file waits for.
    QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    front->raise();
    front->activateWindow();
    waitingFiles_.push_back(path);
    if (!waitArmed_) QTimer::singleShot(0, this, &MainWindow::openWaitingFile);
    waitArmed_ = true;
    return true;
}

void MainWindow::openWaitingFile() {
    waitArmed_ = false;
    if (waitingFiles_.empty()) return;
    // A dialog or a menu is up, or a draw holds the open command: look again
    // a little later. Only a waiting file wakes the program up.
    if (!userMayPress(this) || !form_.activo(FrmQuelvar::Menu::mnuAbrir)) {
        waitArmed_ = true;
        QTimer::singleShot(FileWaitMs, this, &MainWindow::openWaitingFile);
        return;
    }
    const std::string path = waitingFiles_.front();
    waitingFiles_.pop_front();
    run([this, &path] { form_.abrirDesdeFuera(path); });
    if (!waitingFiles_.empty() && !waitArmed_) {
        waitArmed_ = true;
        QTimer::singleShot(0, this, &MainWindow::openWaitingFile);
    }
}

void MainWindow::showDialog(Formulario which) {
    switch (which) {
    case Formulario::Borrar:
        if (!borrar_)
            borrar_ = new BorrarDialog(
                programa_.frmBorrar, [this] { refresh(); }, this);
        borrar_->open_();
        break;
    case Formulario::AcercaDe:
        if (!acercaDe_) acercaDe_ = new AcercaDeDialog(programa_.frmAcercaDe, this);
        acercaDe_->open_();
        break;
    }
    refresh();
}

} // namespace quelvar
