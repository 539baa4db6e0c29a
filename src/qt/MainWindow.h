#pragma once

#include "qt/Gate.h"
#include "window/Programa.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPushButton;

namespace quelvar {

class AcercaDeDialog;
class BorrarDialog;
class BoardView;
class ToolbarView;
class PictureView;
class SizeChooserView;

// Wiring between the main window's form model and Qt: it draws the model,
// feeds events back to it and refreshes after each one. No decisions here.
class MainWindow : public QMainWindow, private Ventana {
    Q_OBJECT
public:
    explicit MainWindow(Programa& programa, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows a dialog modally, creating it on first use.
    void showDialog(Formulario form);
    // A bet file named from outside (the command line, a later start): the
    // window comes forward and opens it as its open command would, once no
    // dialog, menu or draw is in the way. Files wait their turn in the order
    // they came, a few at most (each open replaces the ticket anyway); false
    // when there is no room for this one.
    bool openFromOutside(const std::string& path);

    // Runs one event of the model, then brings the window up to date.
    template <typename Handler> void run(Handler&& handler) {
        handler();
        refresh();
    }
    // A press of the user's, by whatever way in: it acts only where a mouse
    // click could act now.
    template <typename Handler> void press(Handler&& handler) {
        if (userMayPress(this)) run(std::forward<Handler>(handler));
    }
    void refresh();

    // For the shell tests.
    BoardView* board(int tablero) const { return boards_[tablero]; }
    SizeChooserView* sizeChooser() const { return sizes_; }
    QPushButton* betButton() const { return cmdApuesta_; }
    QAction* action(FrmQuelvar::Menu id) const { return actions_.at(id); }
    QMenu* topMenu(FrmQuelvar::Menu id) const { return menus_.at(id); }
    QTimer* timer(int n) const { return timers_[n].get(); }
    ToolbarView* toolbar() const { return tools_; }
    BorrarDialog* borrarDialog() const { return borrar_; }
    AcercaDeDialog* acercaDeDialog() const { return acercaDe_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildTimers();
    void tick(const FrmQuelvar::EntradaTemporizador& t);
    // refresh()'s steps, in its order.
    void showCaption();
    void showMenus();
    void showButton();
    void giveFocus();
    void mirrorTimers();
    void closeIfAsked();
    void chooseMenu(FrmQuelvar::Menu id);

    // What the program asks of the window; refresh() carries it out once the
    // handler has returned.
    void enfocarBoton() override { focusRequested_ = true; }
    void cerrarVentana() override { closeRequested_ = true; }
    void temporizador(int numero, bool activo) override;
    void cerrarDialogo(Formulario formulario) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void openWaitingFile();

    Programa& programa_;
    FrmQuelvar& form_;
    BorrarDialog* borrar_ = nullptr;
    AcercaDeDialog* acercaDe_ = nullptr;
    std::array<BoardView*, Apuestas + 1> boards_{};
    SizeChooserView* sizes_ = nullptr;
    ToolbarView* tools_ = nullptr;
    QPushButton* cmdApuesta_ = nullptr;
    std::map<FrmQuelvar::Menu, QAction*> actions_;
    std::map<FrmQuelvar::Menu, QMenu*> menus_;

    std::array<std::unique_ptr<QTimer>, FrmQuelvar::Temporizadores + 1> timers_; // by number
    std::array<bool, FrmQuelvar::Temporizadores + 1> timerStarted_{};
    std::deque<std::string> waitingFiles_;
    bool waitArmed_ = false;
    bool focusRequested_ = false;
    bool closeRequested_ = false;
    // What Qt was last given, so that a refresh hands over changes only.
    std::string shownCaption_;
    std::vector<char> shownMenus_;
    std::vector<char> menusNow_; // kept to save an allocation a tick
    std::string shownButton_;
    std::optional<bool> shownButtonEnabled_;
};

} // namespace quelvar
