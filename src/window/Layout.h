#pragma once

// The main window's layout in twips (15 twips are one pixel at 96 dpi).
// Positions are relative to the parent control named beside each value.

namespace quelvar::layout {

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

constexpr int TwipsPorPixel = 15;

constexpr Rect Cliente{0, 0, 9525, 6870};        // the window's client area
constexpr Rect pTools{0, 0, 9525, 660};          // toolbar, in the window
constexpr Rect Picture2{-15, 630, 9615, 5580};   // boards' background, in the window
constexpr Rect Picture1{-15, 6210, 9555, 705};   // bottom bar, in the window
constexpr Rect cmdApuesta{3337, 150, 2820, 435}; // in Picture1

// Boards: frames in Picture2.
constexpr int FrameLeft[] = {0, 420, 2070, 3750, 5430, 7125}; // by board 1..5
constexpr int FrameTop = 1020;
constexpr int FrameWidth = 1470;
constexpr int FrameHeight = 3030;
constexpr Rect lblCuadro{585, 0, 180, 210}; // board number, in its frame

constexpr int CeldaWidth = 195;
constexpr int CeldaHeight = 210;

// Number grid in a frame: column c holds 9c+1 .. 9c+9 from the top.
constexpr int ColumnaNumero[] = {0, 240, 495, 735, 975, 1215};
constexpr int FilaNumero[] = {285, 600, 930, 1245, 1560, 1875, 2205, 2520, 2835};
constexpr int NumerosPorColumna = 9;

// Star grid in Picture2: star s in column (s-1) div 3, row (s-1) mod 3.
constexpr int FilaEstrella[] = {4425, 4755, 5100};
constexpr int ColumnaEstrella[][3] = {
    {0, 0, 0}, {555, 1035, 1515}, {2220, 2700, 3180}, {3915, 4395, 4875}, {5610, 6090, 6570}, {7245, 7725, 8205},
};
constexpr int EstrellasPorColumna = 3;

// Size chooser: Frame6 in Picture2, cells 6..10 inside it.
constexpr Rect Frame6{8820, 1200, 300, 1740};
constexpr int ApmulLeft = 90;
constexpr int ApmulTop[] = {75, 405, 720, 1050, 1380}; // sizes 6..10

// Toolbar positions: twelve of 750 twips, the first at 215 from the left.
constexpr int BarraInicio = 215;
constexpr int BarraPaso = 750;
constexpr int BarraBotones = 12;
constexpr int RaisedTop = 30;
constexpr int RaisedWidth = 735;
constexpr int RaisedHeight = 585;

// The delete-bets dialog.
namespace borrar {
constexpr Rect Dialogo{0, 0, 4890, 5430};
constexpr Rect Frame1{405, 195, 4080, 4395};                 // "Borrar", in the dialog
constexpr int MarcoLeft = 480;                               // one small frame a bet, in Frame1
constexpr int MarcoTop[] = {0, 330, 1155, 1965, 2790, 3615}; // by bet 1..5
constexpr int MarcoWidth = 3075;
constexpr int MarcoHeight = 480;
constexpr Rect Check{135, 150, 2805, 270}; // in its small frame
constexpr Rect cmdAceptar{585, 4725, 1650, 405};
constexpr Rect cmdCancelar{2655, 4725, 1650, 405};
} // namespace borrar

// The about box.
namespace acercaDe {
constexpr Rect Dialogo{0, 0, 4785, 3855};
constexpr Rect Icono{240, 240, 720, 720};
constexpr Rect Label1[] = {
    {1140, 210, 3450, 390}, // the program's name
    {1140, 630, 3450, 270}, // what it does
    {240, 1380, 4350, 390}, // the version
    {240, 1860, 4350, 270}, // the rights
};
constexpr Rect lblVinc{75, 2955, 4650, 270};
constexpr Rect lblMailto{67, 3405, 4650, 360};
} // namespace acercaDe

constexpr Rect celdaNumero(int k) { // in its frame
    return {ColumnaNumero[(k - 1) / NumerosPorColumna], FilaNumero[(k - 1) % NumerosPorColumna], CeldaWidth,
            CeldaHeight};
}
constexpr Rect celdaEstrella(int tablero, int s) { // in Picture2
    return {ColumnaEstrella[tablero][(s - 1) / EstrellasPorColumna], FilaEstrella[(s - 1) % EstrellasPorColumna],
            CeldaWidth, CeldaHeight};
}
constexpr Rect celdaTamano(int k) { // in Frame6, k = 6..10
    return {ApmulLeft, ApmulTop[k - 6], CeldaWidth, CeldaHeight};
}

} // namespace quelvar::layout
