#include "qt/CellGrid.h"

#include "qt/Artwork.h"
#include "qt/FocusFrame.h"

#include <QAccessible>

namespace quelvar {

namespace {

// A cell takes its own pixels only: the left and top edges belong to it,
// the right and bottom edges to the next pixel over.
bool inside(const QRectF& r, QPointF pos) {
    return pos.x() >= r.left() && pos.x() < r.right() && pos.y() >= r.top() && pos.y() < r.bottom();
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

// Assistive technology hears of a cell whose value changed: its name and
// its checked state say it.
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

// Assistive technology follows the focus cell as it moves.
void tellFocus(QWidget* w, int child) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent focus(w, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

} // namespace

CellGrid::CellGrid(int first, int last, QWidget* parent)
    : QWidget(parent), first_(first), rects_(std::size_t(last) + 1), focus_(first) {
    connect(this, &CellGrid::accessibleChange, this, [this](int child) { tellChanged(this, child); });
    connect(this, &CellGrid::accessibleFocus, this, [this](int child) { tellFocus(this, child); });
    setMouseTracking(true);
    // Tab brings the keyboard here; a click leaves it where it is.
    setFocusPolicy(Qt::TabFocus);
    setFont(artwork::cellFont());
    // Every pixel is painted by the grid itself, so a cell that changes
    // repaints only itself, not the artwork behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CellGrid::hitTest(QPointF pos) const {
    for (int cell = first_; cell <= lastCell(); ++cell)
        if (inside(cellRect(cell), pos)) return cell;
    return 0;
}

void CellGrid::mousePressEvent(QMouseEvent* e) { click_.pressed(e, hitTest(e->position())); }

void CellGrid::mouseReleaseEvent(QMouseEvent* e) {
    const int cell = hitTest(e->position());
    if (click_.released(e, cell)) emit cellClicked(cell);
}

// The plus sign over a cell, the arrow elsewhere: the cursor is made once
// and handed over only when the pointer crosses a cell's edge.
void CellGrid::mouseMoveEvent(QMouseEvent* e) {
    const bool overCell = hitTest(e->position()) != 0;
    if (overCell == overCell_) return;
    overCell_ = overCell;
    if (!overCell) {
        unsetCursor();
        return;
    }
    if (!cursor_) cursor_ = artwork::plusCursor(devicePixelRatioF());
    setCursor(*cursor_);
}

void CellGrid::keyPressEvent(QKeyEvent* e) {
    if (const auto d = direction(e))
        moveFocus(neighbour(focus_, *d));
    else if (!key_.down(e))
        QWidget::keyPressEvent(e);
}

void CellGrid::keyReleaseEvent(QKeyEvent* e) {
    if (key_.up(e))
        press(focus_);
    else
        QWidget::keyReleaseEvent(e);
}

void CellGrid::moveFocus(int cell) {
    if (cell == focus_) return;
    focus_ = cell;
    if (!hasFocus()) return;
    FocusFrame::of(this)->around(this, cellRect(focus_));
    emit accessibleFocus(child(focus_));
}

// Only the frame around the focus cell shows the focus: the grid itself
// looks the same with it or without it.
void CellGrid::focusInEvent(QFocusEvent*) {
    FocusFrame::of(this)->around(this, cellRect(focus_));
    emit accessibleFocus(child(focus_));
}

void CellGrid::focusOutEvent(QFocusEvent*) {
    key_.forget();
    FocusFrame::of(this)->leave(this);
}

} // namespace quelvar
