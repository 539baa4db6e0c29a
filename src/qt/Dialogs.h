#pragma once

#include "qt/Keys.h"
#include "window/FrmAcercaDe.h"
#include "window/FrmBorrar.h"

#include <QDialog>
#include <QLabel>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;

namespace quelvar {

// A label that reports clicks, for the about box's links. Tab reaches it;
// Space or Enter then runs what a click runs.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& text, QWidget* parent);
    // What a left click runs.
    void activate() { emit clicked(); }
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool pressed_ = false;
    KeyPress key_;
};

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

// The about box.
class AcercaDeDialog : public QDialog {
    Q_OBJECT
public:
    AcercaDeDialog(FrmAcercaDe& form, QWidget* parent);
    void open_();
    void requestClose() { closeRequested_ = true; }
    ClickLabel* mailLink() const { return mail_; }
    ClickLabel* webLink() const { return web_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmAcercaDe& form_;
    ClickLabel* mail_ = nullptr;
    ClickLabel* web_ = nullptr;
    bool closeRequested_ = false;
};

} // namespace quelvar
