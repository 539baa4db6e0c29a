#pragma once

#include "qt/Clicks.h"
#include "qt/Keys.h"
#include "window/Navegacion.h"

#include <QCursor>
#include <QWidget>

#include <optional>
#include <vector>

namespace quelvar {

// A painted grid of cells that the mouse, the keyboard and assistive
// technology press: it owns the cells' rectangles, the hit test, the click
// (a press and a release on one cell), the plus-sign cursor over the cells,
// the keyboard's focus cell with its frame, and the keys that move and
// press it. Cells are numbered from the first one given.
class CellGrid : public QWidget {
    Q_OBJECT
public:
    // The cell under a point in this widget's coordinates, or 0.
    int hitTest(QPointF pos) const;
    QRectF cellRect(int cell) const { return rects_[std::size_t(cell)]; }
    QPoint centreOf(int cell) const { return cellRect(cell).center().toPoint(); }
    int firstCell() const { return first_; }
    int lastCell() const { return int(rects_.size()) - 1; }
    // The cell that the arrow keys move and Space or Enter presses.
    int focusCell() const { return focus_; }
    // Runs what a click on the cell runs (a screen reader's press).
    void press(int cell) { emit cellClicked(cell); }

signals:
    void cellClicked(int cell);
    // A cell's value was chosen or let go: assistive technology is told.
    void accessibleChange(int child);
    // The focus cell moved, or the grid took the focus: the same.
    void accessibleFocus(int child);

protected:
    // Cells first..last, each with its rectangle in this widget.
    CellGrid(int first, int last, QWidget* parent);
    void setCellRect(int cell, const QRectF& r) { rects_[std::size_t(cell)] = r; }
    // Where an arrow, Home or End leads from a cell.
    virtual int neighbour(int cell, navegacion::Direccion d) const = 0;
    // A cell's place among the grid's accessible children.
    int child(int cell) const { return cell - first_; }

    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void moveFocus(int cell);

    const int first_;
    std::vector<QRectF> rects_; // by cell number; those below the first unused
    int focus_;
    Click<int> click_;
    KeyPress key_;
    std::optional<QCursor> cursor_; // made on first use
    bool overCell_ = false;         // the plus sign is shown
};

} // namespace quelvar
