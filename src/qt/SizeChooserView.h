#pragma once

#include "qt/CellGrid.h"
#include "window/FrmQuelvar.h"

#include <array>

namespace quelvar {

// The size chooser of the multiple bet: cells 6..10 in one column.
class SizeChooserView : public CellGrid {
    Q_OBJECT
public:
    SizeChooserView(FrmQuelvar& form, QWidget* parent);
    // Repaints the cells whose look changed in the model since last time.
    void sync();
    FrmQuelvar& form() const { return form_; }

protected:
    void paintEvent(QPaintEvent*) override;
    int neighbour(int cell, navegacion::Direccion d) const override { return navegacion::vecinaTamano(cell, d); }

private:
    FrmQuelvar& form_;
    std::array<Color, MaximoMultiple + 1> shown_{};
    // Whether each size is the bet's, as assistive technology was last told.
    std::array<bool, MaximoMultiple + 1> told_{};
};

} // namespace quelvar
