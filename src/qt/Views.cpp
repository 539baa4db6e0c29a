#include "qt/Views.h"

#include "qt/Artwork.h"
#include "qt/Geometry.h"
#include "qt/Keys.h"
#include "window/Navegacion.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>
#include <optional>

namespace quelvar {

namespace {

void paintCell(QPainter& p, const QRectF& r, const Celda& celda) {
    p.fillRect(r, qcolor(celda.BackColor));
    p.setPen(qcolor(celda.ForeColor));
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(celda.Caption));
}

// lineHeight is the font's line height: where a centred drawText() puts the
// caption, the line box centred, on whole pixels.
void paintCell(QPainter& p, const QRectF& r, const Celda& celda, const QStaticText& caption, qreal lineHeight) {
    p.fillRect(r, qcolor(celda.BackColor));
    p.setPen(qcolor(celda.ForeColor));
    const QSizeF size = caption.size();
    p.drawStaticText(
        QPointF(r.left() + (r.width() - size.width()) / 2, std::round(r.top() + (r.height() - lineHeight) / 2)),
        caption);
}

// A cell takes its own pixels only: the left and top edges belong to it,
// the right and bottom edges to the next pixel over.
bool inside(const QRectF& r, QPointF pos) {
    return pos.x() >= r.left() && pos.x() < r.right() && pos.y() >= r.top() && pos.y() < r.bottom();
}

// Assistive technology hears of a cell whose look changed: its name and its
// checked state say it.
void tellChanged(QWidget* w, int child) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent name(w, QAccessible::NameChanged);
    name.setChild(child);
    QAccessible::updateAccessibility(&name);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent state(w, changed);
    state.setChild(child);
    QAccessible::updateAccessibility(&state);
}

// The keyboard's focus frame: a dark band just outside the cell, two pixels
// wide, so that the cell's own pixels keep the colours that say its look.
constexpr int GrosorFoco = 2;
constexpr QRgb ColorFoco = 0x000000;

// The one focus frame over the boards, a widget of its own above them: a
// board keeps its size and its pixels, and a frame around a cell at a
// board's edge stays whole.
FocusFrame* focusFrame(QWidget* view) {
    QWidget* boards = view->parentWidget();
    auto* frame = boards->findChild<FocusFrame*>(QString(), Qt::FindDirectChildrenOnly);
    return frame ? frame : new FocusFrame(boards);
}

// The arrows, Home and End, on the main keys or the keypad.
std::optional<navegacion::Direccion> direction(const QKeyEvent* e) {
    using navegacion::Direccion;
    if (e->modifiers() & ~Qt::KeypadModifier) return std::nullopt;
    switch (e->key()) {
    case Qt::Key_Up: return Direccion::Arriba;
    case Qt::Key_Down: return Direccion::Abajo;
    case Qt::Key_Left: return Direccion::Izquierda;
    case Qt::Key_Right: return Direccion::Derecha;
    case Qt::Key_Home: return Direccion::Inicio;
    case Qt::Key_End: return Direccion::Fin;
    default: return std::nullopt;
    }
}

// Assistive technology follows the focus cell as it moves.
void tellFocus(QWidget* w, int child) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent focus(w, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

// The plus sign over a cell, the arrow elsewhere: a cursor is made once for
// a widget and handed over only when the pointer crosses a cell's edge.
void updateCursor(QWidget* w, std::optional<QCursor>& made, bool& shown, bool overCell) {
    if (overCell == shown) return;
    shown = overCell;
    if (!overCell) {
        w->unsetCursor();
        return;
    }
    if (!made) made = artwork::cursorMas(w->devicePixelRatioF());
    w->setCursor(*made);
}

} // namespace

BoardView::BoardView(FrmQuelvar& form, int tablero, QWidget* parent) : QWidget(parent), form_(form), tablero_(tablero) {
    connect(this, &BoardView::accessibleChange, this, [this](int child) { tellChanged(this, child); });
    connect(this, &BoardView::accessibleFocus, this, [this](int child) { tellFocus(this, child); });
    using namespace layout;
    const int bottom = FilaEstrella[2] + CeldaHeight;
    setGeometry(QRect(pxi(FrameLeft[tablero]), pxi(FrameTop), pxi(FrameWidth), pxi(bottom - FrameTop)));
    setMouseTracking(true);
    // Tab brings the keyboard here; a click leaves it where it is.
    setFocusPolicy(Qt::TabFocus);
    setFont(artwork::cellFont());
    // Every pixel is painted here, the background under the board too: a
    // cell that changes repaints only itself, not the artwork behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    lineHeight_ = QFontMetricsF(font()).height();
    for (int k = 1; k <= NumerosPorTablero; ++k)
        rects_[k] = rectF(celdaNumero(k));
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Rect r = celdaEstrella(tablero, k);
        r.left -= FrameLeft[tablero];
        r.top -= FrameTop;
        rects_[NumerosPorTablero + k] = rectF(r);
    }
    for (int k = 1; k <= NumerosPorTablero + EstrellasPorTablero; ++k)
        cells_ += rects_[k].toAlignedRect();
}

// Every board shows the same captions: laid out once for all five (a
// painter that only moves keeps the layout).
const BoardView::Captions& BoardView::captions() {
    static const Captions laidOut = [] {
        Captions c;
        for (int k = 1; k <= NumerosPorTablero + EstrellasPorTablero; ++k) {
            c[k].setText(QString::number(k > NumerosPorTablero ? k - NumerosPorTablero : k));
            c[k].setTextFormat(Qt::PlainText);
            c[k].prepare(QTransform(), artwork::cellFont());
        }
        return c;
    }();
    return laidOut;
}

namespace {
// A board's cells counted as navigation counts them: numbers, then stars.
int celdaDe(BoardView::Hit cell) {
    return cell.kind == BoardView::Hit::Star ? NumerosPorTablero + cell.index : cell.index;
}
BoardView::Hit hitDe(int celda) {
    if (celda > NumerosPorTablero) return {BoardView::Hit::Star, celda - NumerosPorTablero};
    return {BoardView::Hit::Number, celda};
}
} // namespace

QRectF BoardView::cellRect(Hit cell) const { return rects_[celdaDe(cell)]; }

BoardView::Hit BoardView::hitTest(QPointF pos) const {
    for (int k = 1; k <= NumerosPorTablero; ++k)
        if (inside(cellRect({Hit::Number, k}), pos)) return {Hit::Number, k};
    for (int k = 1; k <= EstrellasPorTablero; ++k)
        if (inside(cellRect({Hit::Star, k}), pos)) return {Hit::Star, k};
    return {};
}

void BoardView::press(Hit cell) {
    if (cell.kind == Hit::Number) emit numberClicked(tablero_, cell.index);
    if (cell.kind == Hit::Star) emit starClicked(tablero_, cell.index);
}

QPoint BoardView::centreOf(Hit cell) const { return cellRect(cell).center().toPoint(); }

// A cell's look is fully told by its background colour; only cells whose
// background changed are repainted, so a running sweep repaints two cells a
// tick rather than the whole board.
void BoardView::sync() {
    const FrmQuelvar::Tablero& t = form_.tablero[tablero_];
    bool changed = false;
    for (int k = 1; k <= NumerosPorTablero; ++k) {
        if (shown_[k] == t.lblNral[k].BackColor) continue;
        changed = changed || shown_[k] == Rojo || t.lblNral[k].BackColor == Rojo;
        shown_[k] = t.lblNral[k].BackColor;
        update(cellRect({Hit::Number, k}).toAlignedRect());
    }
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Color& shown = shown_[NumerosPorTablero + k];
        if (shown == t.lblEstrella[k].BackColor) continue;
        changed = changed || shown == Rojo || t.lblEstrella[k].BackColor == Rojo;
        shown = t.lblEstrella[k].BackColor;
        update(cellRect({Hit::Star, k}).toAlignedRect());
    }
    // A screen reader hears of a cell only when its value joins or leaves the
    // bet, not of every look a sweep or a blink gives it. A value never comes
    // or goes without some cell of its board turning red or losing its red,
    // so the sweep's lit cells cost nothing here.
    if (!changed) return;
    const Tableros& tableros = form_.tableros();
    for (int k = 1; k <= NumerosPorTablero + EstrellasPorTablero; ++k) {
        const bool star = k > NumerosPorTablero;
        const bool in = tableros.enApuesta(tablero_, star, star ? k - NumerosPorTablero : k);
        if (in == told_[k]) continue;
        told_[k] = in;
        emit accessibleChange(k - 1);
    }
}

void BoardView::paintEvent(QPaintEvent* e) {
    using namespace layout;
    // The painter clips to the region already.
    QPainter p(this);
    if (!e->region().subtracted(cells_).isEmpty()) {
        // More than cells: the boards' background as it lies behind this
        // board, then the frame, white, with the board number at its top.
        p.save();
        p.translate(-pos());
        // At a fractional scale the board's edge may end inside a device
        // pixel: the ground covers such a pixel whole first, without
        // antialiasing, so that nothing of what lay there before shows.
        artwork::fillBoardsBackground(p, parentWidget()->size(), QRectF(geometry()).adjusted(-1, -1, 1, 1));
        p.setRenderHint(QPainter::Antialiasing);
        artwork::paintBoardsBackground(p, parentWidget()->size(), geometry());
        p.restore();
        p.fillRect(QRectF(0, 0, px(FrameWidth), px(FrameHeight)), Qt::white);
        p.setFont(artwork::boardNumberFont());
        p.setPen(qcolor(RojoClaro));
        p.drawText(rectF(lblCuadro), Qt::AlignCenter, QString::number(tablero_));
        p.setFont(font());
    }
    const FrmQuelvar::Tablero& t = form_.tablero[tablero_];
    const Captions& laidOut = captions();
    for (int k = 1; k <= NumerosPorTablero + EstrellasPorTablero; ++k) {
        if (!e->region().intersects(rects_[k].toAlignedRect())) continue;
        const Celda& celda = k > NumerosPorTablero ? t.lblEstrella[k - NumerosPorTablero] : t.lblNral[k];
        paintCell(p, rects_[k], celda, laidOut[k], lineHeight_);
    }
}

void BoardView::keyPressEvent(QKeyEvent* e) {
    if (const auto d = direction(e))
        moveFocus(hitDe(navegacion::vecina(celdaDe(focus_), *d)));
    else if (!key_.down(e))
        QWidget::keyPressEvent(e);
}

void BoardView::keyReleaseEvent(QKeyEvent* e) {
    if (key_.up(e))
        press(focus_);
    else
        QWidget::keyReleaseEvent(e);
}

void BoardView::moveFocus(Hit cell) {
    if (cell.kind == focus_.kind && cell.index == focus_.index) return;
    focus_ = cell;
    if (!hasFocus()) return;
    focusFrame(this)->around(this, cellRect(focus_));
    emit accessibleFocus(celdaDe(focus_) - 1);
}

// Only the frame around the focus cell shows the focus: the board itself
// looks the same with it or without it.
void BoardView::focusInEvent(QFocusEvent*) {
    focusFrame(this)->around(this, cellRect(focus_));
    emit accessibleFocus(celdaDe(focus_) - 1);
}

void BoardView::focusOutEvent(QFocusEvent*) {
    key_.forget();
    focusFrame(this)->leave(this);
}

// A click is a press and a release on the same cell, as with a label.
void BoardView::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? hitTest(e->position()) : Hit{};
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    const Hit hit = hitTest(e->position());
    const Hit pressed = pressed_;
    pressed_ = {};
    if (e->button() != Qt::LeftButton || hit.kind == Hit::None || hit.kind != pressed.kind ||
        hit.index != pressed.index)
        return;
    if (hit.kind == Hit::Number)
        emit numberClicked(tablero_, hit.index);
    else
        emit starClicked(tablero_, hit.index);
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
    updateCursor(this, cursor_, overCell_, hitTest(e->position()).kind != Hit::None);
}

SizeChooserView::SizeChooserView(FrmQuelvar& form, QWidget* parent) : QWidget(parent), form_(form) {
    connect(this, &SizeChooserView::accessibleChange, this, [this](int child) { tellChanged(this, child); });
    connect(this, &SizeChooserView::accessibleFocus, this, [this](int child) { tellFocus(this, child); });
    setGeometry(rectI(layout::Frame6));
    setAttribute(Qt::WA_OpaquePaintEvent); // it fills its whole rectangle
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setFont(artwork::cellFont());
}

QRectF SizeChooserView::cellRect(int k) const { return rectF(layout::celdaTamano(k)); }

int SizeChooserView::hitTest(QPointF pos) const {
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        if (inside(cellRect(k), pos)) return k;
    return 0;
}

QPoint SizeChooserView::centreOf(int k) const { return cellRect(k).center().toPoint(); }

void SizeChooserView::sync() {
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        if (shown_[k] == form_.lblApmul[k].BackColor) continue;
        shown_[k] = form_.lblApmul[k].BackColor;
        update(cellRect(k).toAlignedRect());
    }
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k) {
        const bool chosen = form_.modulo().CantidadMultiple == k;
        if (chosen == told_[k]) continue;
        told_[k] = chosen;
        emit accessibleChange(k - MinimoMultiple);
    }
}

void SizeChooserView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int k = MinimoMultiple; k <= MaximoMultiple; ++k)
        paintCell(p, cellRect(k), form_.lblApmul[k]);
}

void SizeChooserView::keyPressEvent(QKeyEvent* e) {
    if (const auto d = direction(e))
        moveFocus(navegacion::vecinaTamano(focus_, *d));
    else if (!key_.down(e))
        QWidget::keyPressEvent(e);
}

void SizeChooserView::keyReleaseEvent(QKeyEvent* e) {
    if (key_.up(e))
        press(focus_);
    else
        QWidget::keyReleaseEvent(e);
}

void SizeChooserView::moveFocus(int k) {
    if (k == focus_) return;
    focus_ = k;
    if (!hasFocus()) return;
    focusFrame(this)->around(this, cellRect(focus_));
    emit accessibleFocus(focus_ - MinimoMultiple);
}

void SizeChooserView::focusInEvent(QFocusEvent*) {
    focusFrame(this)->around(this, cellRect(focus_));
    emit accessibleFocus(focus_ - MinimoMultiple);
}

void SizeChooserView::focusOutEvent(QFocusEvent*) {
    key_.forget();
    focusFrame(this)->leave(this);
}

FocusFrame::FocusFrame(QWidget* boards) : QWidget(boards) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::around(QWidget* owner, const QRectF& cell) {
    owner_ = owner;
    const QRect r = cell.toAlignedRect().translated(owner->pos());
    setGeometry(r.adjusted(-GrosorFoco, -GrosorFoco, GrosorFoco, GrosorFoco));
    raise();
    show();
}

void FocusFrame::leave(QWidget* owner) {
    if (owner_ == owner) hide();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect band = rect();
    const QRect cell = band.adjusted(GrosorFoco, GrosorFoco, -GrosorFoco, -GrosorFoco);
    p.fillRect(QRect(band.left(), band.top(), band.width(), GrosorFoco), QColor(ColorFoco));
    p.fillRect(QRect(band.left(), cell.bottom() + 1, band.width(), GrosorFoco), QColor(ColorFoco));
    p.fillRect(QRect(band.left(), cell.top(), GrosorFoco, cell.height()), QColor(ColorFoco));
    p.fillRect(QRect(cell.right() + 1, cell.top(), GrosorFoco, cell.height()), QColor(ColorFoco));
}

void SizeChooserView::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? hitTest(e->position()) : 0;
}

void SizeChooserView::mouseReleaseEvent(QMouseEvent* e) {
    const int hit = hitTest(e->position());
    const int pressed = pressed_;
    pressed_ = 0;
    if (e->button() == Qt::LeftButton && hit != 0 && hit == pressed) emit sizeClicked(hit);
}

void SizeChooserView::mouseMoveEvent(QMouseEvent* e) {
    updateCursor(this, cursor_, overCell_, hitTest(e->position()) != 0);
}

// The button goes down with the key and clicks when it comes up; a draw
// ends by giving the button its focus back, and a key still held must not
// start the next one.
void BetButton::keyPressEvent(QKeyEvent* e) {
    if (!key_.down(e)) {
        QPushButton::keyPressEvent(e);
        return;
    }
    if (!e->isAutoRepeat()) setDown(true);
}

void BetButton::keyReleaseEvent(QKeyEvent* e) {
    if (!key_.up(e)) {
        if (!isPressKey(e)) QPushButton::keyReleaseEvent(e);
        return;
    }
    if (!isDown()) return;
    setDown(false);
    click();
}

void BetButton::focusOutEvent(QFocusEvent* e) {
    key_.forget();
    setDown(false);
    QPushButton::focusOutEvent(e);
}

void BetButton::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    if (!hasFocus()) return;
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = palette().color(QPalette::Button);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

PictureView::PictureView(Painter painter, QWidget* parent) : QWidget(parent), painter_(std::move(painter)) {}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, size());
}

ToolbarView::ToolbarView(FrmQuelvar& form, QWidget* parent) : QWidget(parent), form_(form) {
    setGeometry(rectI(layout::pTools));
    setMouseTracking(true);
}

void ToolbarView::sync() {
    const FrmQuelvar::Imagen& now = form_.imRaised;
    if (now.Picture == shown_.Picture && now.Left == shown_.Left && now.Top == shown_.Top) return;
    shown_ = now;
    update();
}

void ToolbarView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    artwork::paintToolbar(p, size());
    const FrmQuelvar::Imagen& im = form_.imRaised;
    if (im.Picture != 0 && artwork::hasRaised(im.Picture)) {
        // On whole device pixels, so that its one-pixel bevels stay sharp
        // (215 + 750 (k - 1) twips is no whole pixel).
        const QTransform toDevice = p.deviceTransform();
        const QPointF corner = toDevice.map(QPointF(px(im.Left), px(im.Top)));
        p.translate(toDevice.inverted().map(QPointF(std::round(corner.x()), std::round(corner.y()))));
        artwork::paintRaised(p, im.Picture);
    }
}

QRect ToolbarView::positionRect(int k) const {
    using namespace layout;
    return rectI({BarraInicio + BarraPaso * (k - 1), RaisedTop, BarraPaso, RaisedHeight});
}

void ToolbarView::press(int k) {
    const QRect r = positionRect(k);
    emit mouseMoved(static_cast<float>(r.center().x() * layout::TwipsPorPixel),
                    static_cast<float>(r.center().y() * layout::TwipsPorPixel));
    emit clicked();
}

void ToolbarView::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(static_cast<float>(e->position().x() * layout::TwipsPorPixel),
                    static_cast<float>(e->position().y() * layout::TwipsPorPixel));
}

void ToolbarView::mousePressEvent(QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }

void ToolbarView::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

} // namespace quelvar
