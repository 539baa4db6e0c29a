#include "qt/Dialogs.h"

#include "qt/Artwork.h"
#include "qt/Geometry.h"
#include "window/Texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace quelvar {

namespace {
constexpr int TeclaEscape = 27;
constexpr QRgb AzulTexto = 0x0000C0;
constexpr QRgb GrisVersion = 0x404040;

QRect twips(int left, int top, int width, int height) { return rectI({left, top, width, height}); }

// The text colour of an enabled control; disabled ones stay grey.
void colour(QWidget* w, QRgb rgb) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, QColor(rgb));
        p.setColor(group, QPalette::ButtonText, QColor(rgb));
    }
    w->setPalette(p);
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
    setFixedSize(twips(0, 0, 4890, 5430).size());
    auto* frame = new QGroupBox(QString::fromUtf8(textos::MarcoBorrar), this);
    frame->setGeometry(twips(405, 195, 4080, 4395));
    colour(frame, AzulTexto);
    constexpr int tops[] = {0, 330, 1155, 1965, 2790, 3615};
    for (int n = 1; n <= Apuestas; ++n) {
        auto* small = new QGroupBox(frame);
        small->setGeometry(twips(480, tops[n], 3075, 480));
        boxes_[n] = new QCheckBox(small);
        boxes_[n]->setGeometry(twips(135, 150, 2805, 270));
        boxes_[n]->setFont(artwork::cellFont());
        colour(boxes_[n], AzulTexto);
        connect(boxes_[n], &QCheckBox::clicked, this,
                [this, n](bool on) { run([this, n, on] { form_.Check[n].Value = on ? 1 : 0; }); });
    }
    aceptar_ = new QPushButton(this);
    aceptar_->setGeometry(twips(585, 4725, 1650, 405));
    cancelar_ = new QPushButton(this);
    cancelar_->setGeometry(twips(2655, 4725, 1650, 405));
    aceptar_->setDefault(true);
    connect(aceptar_, &QPushButton::clicked, this, [this] { run([this] { form_.cmdAceptar_Click(); }); });
    connect(cancelar_, &QPushButton::clicked, this, [this] { run([this] { form_.cmdCancelar_Click(); }); });
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

void BorrarDialog::sync() {
    setWindowTitle(QString::fromStdString(form_.Caption));
    for (int n = 1; n <= Apuestas; ++n) {
        boxes_[n]->setText(QString::fromStdString(form_.Check[n].Caption));
        boxes_[n]->setEnabled(form_.Check[n].Enabled);
        boxes_[n]->setChecked(form_.Check[n].Value == 1);
    }
    aceptar_->setText(QString::fromStdString(form_.cmdAceptar.Caption));
    cancelar_->setText(QString::fromStdString(form_.cmdCancelar.Caption));
    if (!form_.abierto && isVisible()) done(QDialog::Accepted);
}

void BorrarDialog::open_() {
    sync();
    aceptar_->setFocus(Qt::OtherFocusReason);
    // The first activation comes once the dialog's own loop runs: it may close
    // the dialog at once.
    QTimer::singleShot(0, this, [this] { run([this] { form_.Form_Activate(); }); });
    exec();
}

bool BorrarDialog::event(QEvent* e) {
    // Every activation checks the boxes again, as the user finds them.
    if (e->type() == QEvent::WindowActivate && form_.abierto) run([this] { form_.Form_Activate(); });
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
    form_.abierto = false;
    QDialog::closeEvent(e);
}

AcercaDeDialog::AcercaDeDialog(FrmAcercaDe& form, QWidget* parent) : QDialog(parent), form_(form) {
    setFixedSize(twips(0, 0, 4785, 3855).size());
    setWindowTitle(QString::fromStdString(form_.Caption));

    auto* icon = new IconLabel(this);
    icon->setGeometry(16, 16, 48, 48);
    const struct {
        int index;
        QRect where;
        int pixels;
        bool bold;
        QRgb rgb;
    } lines[] = {
        {0, QRect(76, 14, 230, 26), 20, true, artwork::AzulBarra},
        {1, QRect(76, 42, 230, 18), 12, false, 0x202020},
        {2, QRect(16, 92, 290, 26), 18, true, GrisVersion},
        {3, QRect(16, 124, 290, 18), 12, false, 0x606060},
    };
    for (const auto& l : lines) {
        auto* label = new QLabel(QString::fromStdString(form_.Label1[std::size_t(l.index)]), this);
        label->setGeometry(l.where);
        QFont f = boldPixels(l.pixels);
        f.setBold(l.bold);
        label->setFont(f);
        colour(label, l.rgb);
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
    web_ = makeLink(form_.lblVinc, twips(75, 2955, 4650, 270));
    mail_ = makeLink(form_.lblMailto, twips(67, 3405, 4650, 360));
    connect(web_, &ClickLabel::clicked, this, [this] { form_.lblVinc_Click(); });
    connect(mail_, &ClickLabel::clicked, this, [this] { form_.lblMailto_Click(); });
}

void AcercaDeDialog::open_() {
    form_.Form_Load();
    exec();
    form_.abierto = false;
}

void AcercaDeDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        form_.Form_KeyPress(TeclaEscape);
        if (!form_.abierto) done(QDialog::Accepted);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace quelvar
