#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>

// All pictures of the program, drawn here in code.
namespace quelvar::artwork {

QFont cellFont();
QFont boardNumberFont();
QFont buttonFont();

// The outlined plus sign over the cells, hot spot in its centre, drawn for
// a device pixel ratio (to the nearest whole one).
QCursor plusCursor(qreal dpr);
QIcon programIcon();
// The program icon, side x side pixels; it needs no application object.
QImage iconImage(int side);

// The toolbar strip with its twelve flat buttons (pTools).
void paintToolbar(QPainter& p, QSize size);
// The raised look of toolbar position 1..12 (none for 11), 49 x 39 px.
bool hasRaised(int position);
void paintRaised(QPainter& p, int position);
// Picture2: the boards' panels, the yellow star areas and the size panel;
// only what lies on area (all of it when area is empty).
void paintBoardsBackground(QPainter& p, QSize size, const QRectF& area = {});
// Its colours alone, with no shapes: a ground to paint the rest on.
void fillBoardsBackground(QPainter& p, QSize size, const QRectF& area);
// Picture1: the bottom bar.
void paintBottomBar(QPainter& p, QSize size);

// Toolbar blue, also used by the tests to find the window's client area.
constexpr QRgb BarBlue = 0x1d4a96;
constexpr QRgb LightBlue = 0x3d6fc4;
constexpr QRgb GroundBlue = 0xd3e0f4;
constexpr QRgb Yellow = 0xffd84a;
constexpr QRgb DarkYellow = 0xe0a800;

} // namespace quelvar::artwork
