#include "qt/AcercaDeDialog.h"

#include "base/Teclas.h"
#include "qt/Artwork.h"
#include "qt/DialogLook.h"
#include "qt/Gate.h"
#include "qt/Geometry.h"

#include <QKeyEvent>
#include <QPainter>

namespace quelvar {

namespace {
constexpr QRgb VersionGrey = 0x404040;

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

using look::colour;
using look::TextBlue;

AcercaDeDialog::AcercaDeDialog(FrmAcercaDe& form, QWidget* parent) : QDialog(parent), form_(form) {
    namespace geo = layout::acercaDe;
    setFixedSize(rectI(geo::Dialogo).size());
    look::designedFace(this);
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
        {20, true, artwork::BarBlue},
        {12, false, 0x202020},
        {18, true, VersionGrey},
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
        colour(link, TextBlue);
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
