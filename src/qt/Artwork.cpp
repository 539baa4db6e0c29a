#include "qt/Artwork.h"

#include "base/Textos.h"
#include "qt/Geometry.h"
#include "ticket/Module1.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <map>

namespace quelvar::artwork {

namespace {

constexpr QRgb LightBlue = 0x3d6fc4;
constexpr QRgb GroundBlue = 0xd3e0f4;
constexpr QRgb Yellow = 0xffd84a;
constexpr QRgb DarkYellow = 0xe0a800;

QFont sansBold(int pixels, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void smallTicket(QPainter& p, QRectF r, QColor fill) {
    p.setPen(QPen(QColor(0x24, 0x35, 0x60), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 1));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = r.top() + r.height() * i / 3.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void disk(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1));
    p.setBrush(QColor(0x50, 0x60, 0x80));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 3, r.top() + 1, r.width() - 6, r.height() * 0.4));
    p.setBrush(QColor(0xc0, 0xc8, 0xd8));
    p.drawRect(QRectF(r.left() + 4, r.bottom() - r.height() * 0.35, r.width() - 8, r.height() * 0.35 - 1));
}

// One icon in a 20 x 20 box whose top-left corner is the painter's origin.
void paintIcon(QPainter& p, int position) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x10, 0x20, 0x40);
    switch (position) {
    case 1: { // open: a folder
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(DarkYellow));
        p.drawRoundedRect(QRectF(1.5, 4.5, 17, 13), 1.5, 1.5);
        p.setBrush(QColor(Yellow));
        QPainterPath front;
        front.moveTo(1.5, 17.5);
        front.lineTo(4.5, 8.5);
        front.lineTo(19.5, 8.5);
        front.lineTo(16.5, 17.5);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case 2: disk(p, QRectF(2.5, 2.5, 15, 15)); break;
    case 3: // save as: a disk and a pencil
        disk(p, QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(0xff, 0xc0, 0x30), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(9, 18), QPointF(18, 9));
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(8, 19), QPointF(9.5, 17.5));
        break;
    case 4: // close: a sheet with a cross
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 12, 16));
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(17, 17));
        p.drawLine(QPointF(17, 9), QPointF(9, 17));
        break;
    case 5: { // exit: a door and an arrow
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x9a, 0x6a, 0x3a));
        p.drawRect(QRectF(2.5, 1.5, 9, 17));
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 10), QPointF(18, 10));
        p.drawLine(QPointF(15, 7), QPointF(18, 10));
        p.drawLine(QPointF(15, 13), QPointF(18, 10));
        break;
    }
    case 6: smallTicket(p, QRectF(4.5, 2.5, 11, 15), Qt::white); break;
    case 7: // multiple: stacked tickets
        smallTicket(p, QRectF(7.5, 1.5, 10, 13), QColor(0xe8, 0xe8, 0xf0));
        smallTicket(p, QRectF(2.5, 5.5, 10, 13), Qt::white);
        break;
    case 8: { // random: a die
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        for (QPointF c :
             {QPointF(6.5, 6.5), QPointF(10, 10), QPointF(13.5, 13.5), QPointF(13.5, 6.5), QPointF(6.5, 13.5)})
            p.drawEllipse(c, 1.6, 1.6);
        break;
    }
    case 9: // manual: a pencil ticking a cell
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 7.5, 10, 10));
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 12.5), QPointF(6, 15));
        p.drawLine(QPointF(6, 15), QPointF(10, 9));
        p.setPen(QPen(QColor(0xff, 0xc0, 0x30), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(11, 9), QPointF(18, 2));
        break;
    case 10: { // delete: an eraser
        p.setPen(QPen(ink, 1));
        QPainterPath body;
        body.moveTo(2, 13);
        body.lineTo(11, 4);
        body.lineTo(18, 11);
        body.lineTo(12, 17);
        body.lineTo(6, 17);
        body.closeSubpath();
        p.setBrush(QColor(0xf0, 0x80, 0xa0));
        p.drawPath(body);
        p.setBrush(Qt::white);
        QPainterPath tip;
        tip.moveTo(2, 13);
        tip.lineTo(6.5, 8.5);
        tip.lineTo(13.5, 15.5);
        tip.lineTo(12, 17);
        tip.lineTo(6, 17);
        tip.closeSubpath();
        p.drawPath(tip);
        break;
    }
    case 11: // print: a printer
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(0xa0, 0xa8, 0xb8));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
        break;
    case 12: // about: an "i" in a circle
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x30, 0x80, 0xe0));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 6), 1.6, 1.6);
        p.drawRoundedRect(QRectF(8.6, 8.5, 2.8, 7.5), 1, 1);
        break;
    default: break;
    }
    p.restore();
}

// Button contents in a 49 x 39 box at the painter's origin.
void paintButtonFace(QPainter& p, int position, QColor labelColour) {
    p.save();
    p.translate(14.5, 3);
    paintIcon(p, position);
    p.restore();
    p.setFont(buttonFont());
    p.setPen(labelColour);
    p.drawText(QRectF(0, 24, px(layout::RaisedWidth), 13), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(textos::EtiquetasBarra[position - 1]));
}

qreal buttonLeft(int position) { return px(layout::BarraInicio + layout::BarraPaso * (position - 1)); }

} // namespace

QFont cellFont() { return sansBold(11, true); }
QFont boardNumberFont() { return sansBold(13, true); }
QFont buttonFont() { return sansBold(9, false); }

QCursor plusCursor(qreal dpr) {
    // A black outline around a white plus sign, on a clear ground, drawn at
    // the screen's density. A pixmap cursor shows on X11 and on Wayland
    // alike; the hot spot is the plus sign's centre.
    constexpr int size = 32;
    constexpr int centre = 15;
    constexpr int arm = 9;
    constexpr int half = 1;
    const int scale = std::max(1, int(std::lround(dpr)));
    QImage im(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.scale(scale, scale);
    auto plus = [&](int grow, QRgb rgb) {
        p.fillRect(centre - arm - grow, centre - half - grow, 2 * (arm + grow) + 1, 2 * (half + grow) + 1, QColor(rgb));
        p.fillRect(centre - half - grow, centre - arm - grow, 2 * (half + grow) + 1, 2 * (arm + grow) + 1, QColor(rgb));
    };
    plus(1, qRgb(0, 0, 0));
    plus(0, qRgb(255, 255, 255));
    p.end();
    QPixmap pm = QPixmap::fromImage(im);
    // X11 takes a cursor's pixels and hot spot as they are, in the server's
    // pixels; Wayland scales the picture by its ratio and places the hot
    // spot in the window's own units.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return QCursor(pm, centre * scale, centre * scale);
    pm.setDevicePixelRatio(scale);
    return QCursor(pm, centre, centre);
}

QImage iconImage(int side) {
    QImage im(side, side, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0); // drawn on a 64-unit grid, as data/quelvar.svg
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(BarBlue));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(Yellow));
    p.drawPath(starPath(QPointF(32, 34), 24, 10));
    p.setBrush(QColor(0xff, 0x00, 0x00));
    p.drawEllipse(QPointF(32, 34), 7, 7);
    return im;
}

namespace {

// The program icon drawn at whatever size is asked, the first time it is
// asked: never a stretched copy of another size, and nothing drawn at
// start-up that nobody shows.
class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap& made = drawn_[side];
        if (made.isNull()) made = QPixmap::fromImage(iconImage(side));
        return made;
    }
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    // What a window manager is offered for the window's title bar, panel and
    // task switcher; it may scale one of them, a dialog asks for its own.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("quelvar"); }

private:
    std::map<int, QPixmap> drawn_;
};

} // namespace

QIcon programIcon() {
    // One engine for the whole run, so that each size is drawn once.
    static const QIcon icon(new ProgramIconEngine);
    return icon;
}

void paintToolbar(QPainter& p, QSize size) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(BarBlue));
    g.setColorAt(1, QColor(BarBlue).darker(115));
    p.fillRect(QRect(QPoint(0, 0), size), QColor(BarBlue));
    p.fillRect(QRect(0, 2, size.width(), size.height() - 2), g);
    for (int k = 1; k <= layout::BarraBotones; ++k) {
        p.save();
        p.translate(buttonLeft(k), px(layout::RaisedTop));
        paintButtonFace(p, k, Qt::white);
        p.restore();
    }
}

bool hasRaised(int position) { return position >= 1 && position <= layout::BarraBotones && position != 11; }

void paintRaised(QPainter& p, int position) {
    const QRectF r(0, 0, px(layout::RaisedWidth), px(layout::RaisedHeight));
    QLinearGradient g(0, 0, 0, r.height());
    g.setColorAt(0, QColor(LightBlue).lighter(125));
    g.setColorAt(1, QColor(LightBlue));
    p.fillRect(r, g);
    // The bevels as filled one-pixel bands: no pen straddles two pixels.
    const QColor light(255, 255, 255, 220);
    const QColor dark(0x0a, 0x1a, 0x40);
    p.fillRect(QRectF(0, 0, r.width(), 1), light);
    p.fillRect(QRectF(0, 0, 1, r.height()), light);
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), dark);
    p.fillRect(QRectF(r.width() - 1, 0, 1, r.height()), dark);
    paintButtonFace(p, position, QColor(Yellow));
}

void fillBoardsBackground(QPainter& p, QSize size, const QRectF& area) {
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(GroundBlue).lighter(104));
    g.setColorAt(1, QColor(GroundBlue).darker(106));
    p.fillRect(area, g);
}

void paintBoardsBackground(QPainter& p, QSize size, const QRectF& area) {
    using namespace layout;
    // A board repainting its own margins asks for its rectangle only: what
    // lies elsewhere is not even laid out.
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    const QRectF shown = area.isEmpty() ? whole : area & whole;
    const auto shows = [&shown](const QRectF& r) { return shown.intersects(r.adjusted(-2, -2, 2, 2)); };
    fillBoardsBackground(p, size, shown);
    // A band of balls and stars above the boards.
    const qreal bandY = px(FrameTop) / 2 + 1;
    if (shows(QRectF(0, bandY - 10, size.width(), 20))) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.drawLine(QPointF(12, bandY), QPointF(size.width() - 12, bandY));
        constexpr int marks = 21;
        for (int i = 0; i < marks; ++i) {
            const QPointF c(12 + (size.width() - 24) * (i + 0.5) / marks, bandY);
            if (i % 2 == 0) {
                p.setPen(QPen(QColor(DarkYellow), 1));
                p.setBrush(QColor(Yellow));
                p.drawPath(starPath(c, 9, 4));
            } else {
                QRadialGradient ball(c + QPointF(-2, -2), 8);
                ball.setColorAt(0, QColor(0xff, 0x9a, 0x9a));
                ball.setColorAt(1, QColor(0xe0, 0x10, 0x10));
                p.setPen(QPen(QColor(0xa0, 0x10, 0x10), 1));
                p.setBrush(ball);
                p.drawEllipse(c, 6.5, 6.5);
            }
        }
    }
    constexpr qreal margin = 4;
    for (int b = 1; b <= quelvar::Apuestas; ++b) {
        const QRectF frame(px(FrameLeft[b]), px(FrameTop), px(FrameWidth), px(FrameHeight));
        const QRectF panel = frame.adjusted(-margin, -margin, margin, margin);
        const qreal starTop = px(FilaEstrella[0]) - margin - 1;
        const qreal starBottom = px(FilaEstrella[2] + CeldaHeight) + margin + 1;
        const QRectF stars(panel.left(), starTop, panel.width(), starBottom - starTop);
        if (shows(panel)) {
            p.setPen(QPen(QColor(0x8a, 0xa4, 0xcc), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(panel, 5, 5);
        }
        if (shows(stars)) {
            p.setPen(QPen(QColor(DarkYellow), 1));
            p.setBrush(QColor(Yellow));
            p.drawRoundedRect(stars, 5, 5);
        }
    }
    const QRectF chooser = rectF(Frame6).adjusted(-margin, -margin, margin, margin);
    if (shows(chooser)) {
        p.setPen(QPen(QColor(0x8a, 0xa4, 0xcc), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(chooser, 5, 5);
    }
}

void paintBottomBar(QPainter& p, QSize size) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(BarBlue).darker(115));
    g.setColorAt(1, QColor(BarBlue));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

} // namespace quelvar::artwork
