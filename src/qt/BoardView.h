#pragma once

#include "qt/CellGrid.h"
#include "ticket/Celdas.h"
#include "window/FrmQuelvar.h"

#include <QRegion>
#include <QStaticText>

#include <array>

namespace quelvar {

// One board: its frame with the board number and 50 number cells, and the
// nine star cells below it in the yellow area, counted as in Celdas.h. It
// paints the cells from the model.
class BoardView : public CellGrid {
    Q_OBJECT
public:
    BoardView(FrmQuelvar& form, int tablero, QWidget* parent);

    // Repaints the cells whose look changed in the model since last time.
    void sync();
    int tablero() const { return tablero_; }
    FrmQuelvar& form() const { return form_; }
    const Celda& celda(int cell) const;

protected:
    void paintEvent(QPaintEvent*) override;
    int neighbour(int cell, navegacion::Direccion d) const override { return navegacion::vecina(cell, d); }

private:
    FrmQuelvar& form_;
    const int tablero_;
    // The cells' captions, laid out once for all boards.
    using Captions = std::array<QStaticText, celdas::Total + 1>;
    static const Captions& captions();
    qreal lineHeight_ = 0;
    QRegion cells_; // every cell's pixels: a repaint inside them needs no background
    std::array<Color, celdas::Total + 1> shown_{};
    // Whether each cell's value is in the bet, as assistive technology was last told.
    std::array<bool, celdas::Total + 1> told_{};
};

} // namespace quelvar
