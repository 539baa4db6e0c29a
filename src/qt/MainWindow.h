#pragma once

#include "window/Programa.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
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
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Programa& programa, QWidget* parent = nullptr);

    // Shows a dialog modally, creating it on first use.
    void showDialog(Formulario form);

    // Runs one event of the model, then brings the window up to date.
    template <typename Handler> void run(Handler&& handler) {
        handler();
        refresh();
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
    void tick(int n);

    bool eventFilter(QObject* watched, QEvent* event) override;

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

    struct TimerLink {
        Temporizador FrmQuelvar::*model = nullptr;
        void (FrmQuelvar::*tick)() = nullptr;
        unsigned starts = 0;
    };
    std::array<std::unique_ptr<QTimer>, 7> timers_;
    std::array<TimerLink, 7> links_{};
    // What Qt was last given, so that a refresh hands over changes only.
    std::string shownCaption_;
    std::vector<char> shownMenus_;
    std::vector<char> menusNow_; // kept to save an allocation a tick
    std::string shownButton_;
    std::optional<bool> shownButtonEnabled_;
    unsigned focusRequests_ = 0;
    unsigned closeRequests_ = 0;
};

} // namespace quelvar
