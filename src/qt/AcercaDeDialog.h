#pragma once

#include "qt/ClickLabel.h"
#include "window/FrmAcercaDe.h"

#include <QDialog>

namespace quelvar {

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
