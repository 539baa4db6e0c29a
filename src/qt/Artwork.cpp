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
