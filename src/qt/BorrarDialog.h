#pragma once

#include "window/FrmBorrar.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;

namespace quelvar {

// The delete-bets dialog drawn from its form model.
class BorrarDialog : public QDialog {
    Q_OBJECT
public:
    // `changed` runs after every event, so that the main window shows what
    // the dialog did to the ticket.
    BorrarDialog(FrmBorrar& form, std::function<void()> changed, QWidget* parent);
    void open_();
    // The form asked to close: done once its handler has returned.
    void requestClose() { closeRequested_ = true; }
    QCheckBox* box(int n) const { return boxes_[n]; }
    QPushButton* aceptar() const { return aceptar_; }
    QPushButton* cancelar() const { return cancelar_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    template <typename Handler> void run(Handler&& handler);
    // A click, a key or a screen reader's press on one of its controls.
    template <typename Handler> void press(Handler&& handler);
    void sync();

    FrmBorrar& form_;
    std::function<void()> changed_;
    std::array<QCheckBox*, Apuestas + 1> boxes_{};
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    bool showing_ = false;
    bool closeRequested_ = false;
};

} // namespace quelvar
