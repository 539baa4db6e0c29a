#pragma once

#include "window/Layout.h"

#include <QColor>
#include <QRect>
#include <QRectF>

namespace quelvar {

// The one place where twips become pixels (at 96 dpi; Qt scales further for
// high-density screens).
inline qreal px(int twips) { return static_cast<qreal>(twips) / layout::TwipsPorPixel; }
inline int pxi(int twips) { return qRound(px(twips)); }
inline QRectF rectF(const layout::Rect& r) { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }
inline QRect rectI(const layout::Rect& r) { return {pxi(r.left), pxi(r.top), pxi(r.width), pxi(r.height)}; }
inline QColor qcolor(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

} // namespace quelvar
