#include "qt/BorrarDialog.h"

#include "base/Teclas.h"
#include "base/Textos.h"
#include "qt/Artwork.h"
#include "qt/DialogLook.h"
#include "qt/Gate.h"
#include "qt/Geometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace quelvar {

using look::colour;
using look::TextBlue;

BorrarDialog::BorrarDialog(FrmBorrar& form, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), form_(form), changed_(std::move(changed)) {
    namespace geo = layout::borrar;
    setFixedSize(rectI(geo::Dialogo).size());
    look::designedFace(this);
    // The caption only names the program; a screen reader also says what this is.
    setAccessibleDescription(QString::fromUtf8(textos::BorrarApuestas));
    auto* frame = new QGroupBox(QString::fromUtf8(textos::MarcoBorrar), this);
    frame->setGeometry(rectI(geo::Frame1));
    colour(frame, TextBlue);
    for (int n = 1; n <= Apuestas; ++n) {
        auto* small = new QGroupBox(frame);
        small->setGeometry(rectI({geo::MarcoLeft, geo::MarcoTop[n], geo::MarcoWidth, geo::MarcoHeight}));
        small->setAccessibleName(QString::fromUtf8(textos::CasillaApuesta) + QString::number(n));
        boxes_[n] = new QCheckBox(small);
        boxes_[n]->setGeometry(rectI(geo::Check));
        boxes_[n]->setFont(artwork::cellFont());
        colour(boxes_[n], TextBlue);
        connect(boxes_[n], &QCheckBox::clicked, this,
                [this, n](bool on) { press([this, n, on] { form_.Check[n].Value = on ? 1 : 0; }); });
    }
    aceptar_ = new QPushButton(this);
    aceptar_->setGeometry(rectI(geo::cmdAceptar));
    cancelar_ = new QPushButton(this);
    cancelar_->setGeometry(rectI(geo::cmdCancelar));
    aceptar_->setDefault(true);
    connect(aceptar_, &QPushButton::clicked, this, [this] { press([this] { form_.cmdAceptar_Click(); }); });
    connect(cancelar_, &QPushButton::clicked, this, [this] { press([this] { form_.cmdCancelar_Click(); }); });
    // "Aceptar" comes first in the tab order.
    setTabOrder(aceptar_, cancelar_);
    setTabOrder(cancelar_, boxes_[1]);
    for (int n = 1; n < Apuestas; ++n)
        setTabOrder(boxes_[n], boxes_[n + 1]);
}

template <typename Handler> void BorrarDialog::run(Handler&& handler) {
    handler();
    sync();
    if (changed_) changed_();
}

// A press the gate refuses still puts the boxes back as the form has them.
template <typename Handler> void BorrarDialog::press(Handler&& handler) {
    if (userMayPress(this))
        run(std::forward<Handler>(handler));
    else
        sync();
}

void BorrarDialog::sync() {
    setWindowTitle(QString::fromStdString(form_.Caption));
    for (int n = 1; n <= Apuestas; ++n) {
        boxes_[n]->setText(QString::fromStdString(form_.Check[n].Caption));
        boxes_[n]->setEnabled(form_.Check[n].Enabled);
        boxes_[n]->setChecked(form_.Check[n].Value == 1);
    }
    aceptar_->setText(QString::fromStdString(form_.cmdAceptar.Caption));
    cancelar_->setText(QString::fromStdString(form_.cmdCancelar.Caption));
    if (closeRequested_) {
        closeRequested_ = false;
        showing_ = false;
        if (isVisible()) done(QDialog::Accepted);
    }
}

void BorrarDialog::open_() {
    closeRequested_ = false;
    showing_ = true;
    sync();
    aceptar_->setFocus(Qt::OtherFocusReason);
    // The first activation comes once the dialog's own loop runs: it may close
    // the dialog at once.
    QTimer::singleShot(0, this, [this] { run([this] { form_.Form_Activate(); }); });
    exec();
}

bool BorrarDialog::event(QEvent* e) {
    // Every activation checks the boxes again, as the user finds them.
    if (e->type() == QEvent::WindowActivate && showing_) run([this] { form_.Form_Activate(); });
    return QDialog::event(e);
}

void BorrarDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        run([this] { form_.Form_KeyPress(TeclaEscape); });
        return;
    }
    QDialog::keyPressEvent(e);
}

void BorrarDialog::closeEvent(QCloseEvent* e) {
    showing_ = false;
    QDialog::closeEvent(e);
}

} // namespace quelvar
