#include "qt/Dialogs.h"

#include "base/Teclas.h"
#include "base/Textos.h"
#include "qt/Artwork.h"
#include "qt/Gate.h"
#include "qt/Geometry.h"
#include "qt/Keys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace quelvar {

namespace {
constexpr QRgb AzulTexto = 0x0000C0;
constexpr QRgb GrisVersion = 0x404040;

// The text colour of an enabled control; disabled ones stay grey.
void colour(QWidget* w, QRgb rgb) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, QColor(rgb));
        p.setColor(group, QPalette::ButtonText, QColor(rgb));
    }
    w->setPalette(p);
}

// The dialogs keep the light face of their design whatever colours the
// desktop sets, as the main window paints its own: on a dark scheme their
// blue and grey texts would stand on a dark grey.
void designedFace(QWidget* dialog) {
    dialog->setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0))); // a light face, black text, white fields
    dialog->setAutoFillBackground(true);
}

QFont boldPixels(int pixels) {
    QFont f = artwork::cellFont();
    f.setPixelSize(pixels);
    return f;
}

// The program icon at the screen's own density, never a stretched copy.
class IconLabel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal dpr = p.deviceTransform().m11(); // the screen's, or the image's when rendered
        const QPixmap pm = artwork::programIcon().pixmap(size(), dpr);
        p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size())), pm, QRectF(pm.rect()));
    }
};
} // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setFocusPolicy(Qt::TabFocus); }

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    if (!key_.down(e)) QLabel::keyPressEvent(e);
}

void ClickLabel::keyReleaseEvent(QKeyEvent* e) {
    if (key_.up(e))
        activate();
    else
        QLabel::keyReleaseEvent(e);
}

void ClickLabel::focusOutEvent(QFocusEvent* e) {
    key_.forget();
    QLabel::focusOutEvent(e);
}

// With the keyboard's focus, a thin frame in the link's colour around its text.
void ClickLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QRect text = QFontMetrics(font()).boundingRect(rect(), int(alignment()), this->text());
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(text.adjusted(-3, -1, 2, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

// Only the left button opens a link, as with the cells and the toolbar.
void ClickLabel::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    pressed_ = e->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

BorrarDialog::BorrarDialog(FrmBorrar& form, std::function<void()> changed, QWidget* parent)
    : QDialog(parent), form_(form), changed_(std::move(changed)) {
    namespace geo = layout::borrar;
    setFixedSize(rectI(geo::Dialogo).size());
    designedFace(this);
    // The caption only names the program; a screen reader also says what this is.
    setAccessibleDescription(QString::fromUtf8(textos::BorrarApuestas));
    auto* frame = new QGroupBox(QString::fromUtf8(textos::MarcoBorrar), this);
    frame->setGeometry(rectI(geo::Frame1));
    colour(frame, AzulTexto);
    for (int n = 1; n <= Apuestas; ++n) {
        auto* small = new QGroupBox(frame);
        small->setGeometry(rectI({geo::MarcoLeft, geo::MarcoTop[n], geo::MarcoWidth, geo::MarcoHeight}));
        small->setAccessibleName(QString::fromUtf8(textos::CasillaApuesta) + QString::number(n));
        boxes_[n] = new QCheckBox(small);
        boxes_[n]->setGeometry(rectI(geo::Check));
        boxes_[n]->setFont(artwork::cellFont());
        colour(boxes_[n], AzulTexto);
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

AcercaDeDialog::AcercaDeDialog(FrmAcercaDe& form, QWidget* parent) : QDialog(parent), form_(form) {
    namespace geo = layout::acercaDe;
    setFixedSize(rectI(geo::Dialogo).size());
    designedFace(this);
    setWindowTitle(QString::fromStdString(form_.Caption));
    setAccessibleDescription(QString::fromStdString(form_.Caption));

    auto* icon = new IconLabel(this);
    icon->setGeometry(rectI(geo::Icono));
    // The look of each line: its pixel size, weight and colour.
    const struct {
        int pixels;
        bool bold;
        QRgb rgb;
    } lines[] = {
        {20, true, artwork::AzulBarra},
        {12, false, 0x202020},
        {18, true, GrisVersion},
        {12, false, 0x606060},
    };
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        auto* label = new QLabel(QString::fromStdString(form_.Label1[i]), this);
        label->setGeometry(rectI(geo::Label1[i]));
        QFont f = boldPixels(lines[i].pixels);
        f.setBold(lines[i].bold);
        label->setFont(f);
        colour(label, lines[i].rgb);
    }
    auto makeLink = [this](const std::string& text, QRect where) {
        auto* link = new ClickLabel(QString::fromStdString(text), this);
        link->setGeometry(where);
        link->setFont(boldPixels(13));
        link->setAlignment(Qt::AlignCenter);
        link->setCursor(Qt::PointingHandCursor);
        colour(link, AzulTexto);
        return link;
    };
    web_ = makeLink(form_.lblVinc, rectI(geo::lblVinc));
    mail_ = makeLink(form_.lblMailto, rectI(geo::lblMailto));
    connect(web_, &ClickLabel::clicked, this, [this] {
        if (userMayPress(this)) form_.lblVinc_Click();
    });
    connect(mail_, &ClickLabel::clicked, this, [this] {
        if (userMayPress(this)) form_.lblMailto_Click();
    });
    setTabOrder(web_, mail_);
}

void AcercaDeDialog::open_() {
    closeRequested_ = false;
    // The box opens with no link chosen: the first Tab chooses one.
    setFocus(Qt::OtherFocusReason);
    exec();
}

void AcercaDeDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        form_.Form_KeyPress(TeclaEscape);
        if (closeRequested_) {
            closeRequested_ = false;
            done(QDialog::Accepted);
        }
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace quelvar
