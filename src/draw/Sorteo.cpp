// The animated random draw. The button's click handler is the one routine
// that starts or continues a draw; the timers call it after every step.

#include "window/FrmQuelvar.h"

#include <algorithm>

namespace quelvar {

namespace {
constexpr int FinDePasada = NumerosPorTablero + 1; // the sweep has passed cell 50
constexpr int FaseEncendida1 = 1, FaseApagada1 = 2, FaseEncendida2 = 3, FaseSorteo = 4;

template <typename Fila> bool hayLibre(const Fila& fila, int hasta) {
    for (int s = 1; s <= hasta; ++s)
        if (fila[s].isFree()) return true;
    return false;
}

} // namespace

// The cell of the sweep, or none when the position lies off the board.
Celda* FrmQuelvar::celdaNumero(int b, int k) {
    if (b < 1 || b > Apuestas || k < 1 || k > NumerosPorTablero) return nullptr;
    return &tablero[b].lblNral[k];
}

void FrmQuelvar::bloqueoSorteo() {
    m.LlenandoNumeros = true;
    m.LlenandoEstrellas = true;
    bloquearVentana();
}

void FrmQuelvar::liberarConBoton(bool foco) {
    m.LlenandoNumeros = false;
    m.LlenandoEstrellas = false;
    cmdApuesta.Enabled = true;
    liberarVentana();
    if (foco) enfocarBoton();
}

void FrmQuelvar::liberarSinBoton() {
    cmdApuesta.Enabled = false;
    liberarVentana();
}

int FrmQuelvar::apuestaEstrellas() const { return apuestaDelPaso_; }

// The multiple bet keeps its stars in bet 1, whatever board was current.
void FrmQuelvar::iniciarPasoEstrellas(int b) {
    apuestaDelPaso_ = mnuApMul.Checked ? 1 : b;
    Timer4.habilitar(true);
}

void FrmQuelvar::apagarTablero(int b) {
    for (int k = 1; k <= NumerosPorTablero; ++k)
        if (tablero[b].lblNral[k].iluminada()) tablero[b].lblNral[k].aplicar(LookLibre);
}

// Shows bet b's stars exactly as the bet holds them.
void FrmQuelvar::pintarEstrellas(int b) {
    for (int k = 1; k <= EstrellasPorTablero; ++k) {
        Celda& c = tablero[b].lblEstrella[k];
        bool elegida = false;
        for (int s = 1; s <= EstrellasPorApuesta; ++s)
            elegida = elegida || m.Estrellas[b][s].matches(c.Caption);
        c.aplicar(elegida ? LookSeleccionada : LookLibre);
    }
}

// However the star step ends, the blink must not outlive it.
void FrmQuelvar::terminarPasoEstrellas() {
    const int b = apuestaEstrellas();
    Timer4.habilitar(false);
    if (b >= 1 && b <= Apuestas) pintarEstrellas(b);
    m.PasoEstrellas = 0;
    m.FaltanEstrellas = false;
}

// Ends whatever draw runs: no timer of it may tick into a later one, no cell
// stays lit and the cells take clicks again. The window's menus and button
// are left to the caller.
void FrmQuelvar::terminarSorteo() {
    for (Temporizador* t : {&Timer2, &Timer3, &Timer5, &Timer6})
        t->habilitar(false);
    if (Timer4.Enabled) terminarPasoEstrellas();
    for (int b = 1; b <= Apuestas; ++b)
        apagarTablero(b);
    m.CeldaSorteo = 0;
    m.LlenandoNumeros = false;
    m.LlenandoEstrellas = false;
}

// One step of the highlight over board b. At the end of a pass the sweep
// timer stops and the draw timer starts; returns whether the pass goes on.
bool FrmQuelvar::pasoBarrido(int b, Temporizador& barrido, Temporizador& sorteo) {
    const int p = std::min(m.CeldaSorteo + 1, FinDePasada);
    m.CeldaSorteo = static_cast<std::int16_t>(p);
    if (p >= FinDePasada) {
        if (Celda* c = celdaNumero(b, NumerosPorTablero); c && c->iluminada()) c->aplicar(LookLibre);
        m.CeldaSorteo = 0;
        barrido.habilitar(false);
        sorteo.habilitar(true);
    }
    if (sorteo.Enabled) return false;
    if (Celda* c = celdaNumero(b, p); c && c->libre()) c->aplicar(LookIluminada);
    const int q = p - 1 == 0 ? 1 : p - 1;
    m.CeldaSorteo = static_cast<std::int16_t>(q);
    if (Celda* c = celdaNumero(b, q); c && c->iluminada()) c->aplicar(LookLibre);
    return true;
}

// Draws 1..maximo, then checks it against slots 1..hasta in passes while
// Repetido holds, drawing again at every match; the value that survives a
// whole pass is in none of them.
int FrmQuelvar::sortearNuevo(const Slot* fila, int hasta, int maximo) {
    int v = sortear(*azar_, maximo);
    while (m.Repetido) {
        m.Repetido = false;
        for (int s = 1; s <= hasta; ++s) {
            if (fila[s].matches(std::to_string(v))) {
                m.Repetido = true;
                v = sortear(*azar_, maximo);
            }
        }
    }
    return v;
}

// The position never leaves 0..51, whoever calls.
void FrmQuelvar::avanzarCelda() {
    if (m.CeldaSorteo < FinDePasada) ++m.CeldaSorteo;
}

void FrmQuelvar::cmdApuesta_Click() {
    if (cmdApuesta.Caption == textos::BotonSencillas) {
        // A press while a star step waits or blinks unlocked ends it first:
        // one draw at a time, under one lock.
        if (Timer4.Enabled) terminarPasoEstrellas();
        bloqueoSorteo();
        int s = 0;
        int n = 0;
        for (int b = Apuestas; b >= 1; --b) {
            if (hayLibre(m.Estrellas[b], EstrellasPorApuesta)) s = b;
            if (hayLibre(m.Numeros[b], NumerosPorApuesta)) n = b;
        }
        if (s == 0 && n == 0) {
            liberarSinBoton();
            m.LlenandoNumeros = false;
            m.LlenandoEstrellas = false;
            return;
        }
        if (n == 0 || (s != 0 && n > s)) {
            // Only stars are missing on the lowest incomplete bet.
            m.ApuestaActual = static_cast<std::uint8_t>(s);
            iniciarPasoEstrellas(s);
            return;
        }
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        m.Repetido = true;
        avanzarCelda();
        if (Celda* c = celdaNumero(m.ApuestaActual, m.CeldaSorteo); c && c->libre()) c->aplicar(LookIluminada);
        Timer2.habilitar(true);
        marcarModificado();
        return;
    }
    if (cmdApuesta.Caption != textos::BotonMultiple) return;

    CompactarMultiple();
    const bool completos = m.CantidadMultiple >= 1 && !hayLibre(m.NumerosMultiple, m.CantidadMultiple);
    if (completos) {
        iniciarPasoEstrellas(1);
    } else if (m.CantidadMultiple == 0) {
        desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
        Timer1.habilitar(true);
    } else {
        // A star step still blinking from a bet that was complete before
        // its size grew would end in the middle of this draw.
        if (Timer4.Enabled) terminarPasoEstrellas();
        bloqueoSorteo();
        m.Repetido = true;
        avanzarCelda();
        if (Celda* c = celdaNumero(1, m.CeldaSorteo); c && c->libre()) c->aplicar(LookIluminada);
        Timer5.habilitar(true);
        marcarModificado();
    }
}

// One sweep step over a simple bet's board.
void FrmQuelvar::Timer2_Timer() {
    pasoBarrido(m.ApuestaActual, Timer2, Timer3);
    // Also on the tick that ended the pass: the next pass starts lit.
    cmdApuesta_Click();
}

// Draws one number of a simple bet.
void FrmQuelvar::Timer3_Timer() {
    const int b = m.ApuestaActual;
    // An extra sweep tick may have come first and left two cells lit.
    apagarTablero(b);
    Timer2.habilitar(false);
    Timer3.habilitar(false);

    const int v = sortearNuevo(m.Numeros[b].data(), NumerosPorApuesta, NumerosPorTablero);
    for (int s = 1; s <= NumerosPorApuesta; ++s) {
        if (m.Numeros[b][s].isFree()) {
            m.Numeros[b][s] = Slot::number(v);
            break;
        }
    }
    tablero[b].lblNral[v].aplicar(LookSeleccionada);

    m.CeldaSorteo = 0;
    if (hayLibre(m.Numeros[b], NumerosPorApuesta)) {
        cmdApuesta_Click();
        return;
    }
    iniciarPasoEstrellas(b);
    if (!hayLibre(m.Estrellas[b], EstrellasPorApuesta)) liberarConBoton(true);
}

// The star step: the bet's nine stars blink twice, then the missing ones are
// drawn.
void FrmQuelvar::Timer4_Timer() {
    const int b = apuestaEstrellas();
    if (!hayLibre(m.Estrellas[b], EstrellasPorApuesta)) {
        // Completed by hand during the blink: the cells may be in a phase
        // that hides a chosen star.
        terminarPasoEstrellas();
        return;
    }
    ++m.PasoEstrellas;
    if (hayLibre(m.Estrellas[b], EstrellasPorApuesta)) m.FaltanEstrellas = true;
    if (m.FaltanEstrellas) {
        const int fase = m.PasoEstrellas;
        if (fase == FaseEncendida1 || fase == FaseEncendida2)
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                tablero[b].lblEstrella[k].aplicar(LookSeleccionada);
        if (fase == FaseApagada1 || fase == FaseSorteo)
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                tablero[b].lblEstrella[k].aplicar(LookLibre);
        if (fase == FaseSorteo) {
            while (hayLibre(m.Estrellas[b], EstrellasPorApuesta)) {
                m.Repetido = true;
                const int v = sortearNuevo(m.Estrellas[b].data(), EstrellasPorApuesta, EstrellasPorTablero);
                for (int s = 1; s <= EstrellasPorApuesta; ++s) {
                    if (m.Estrellas[b][s].isFree()) {
                        m.Estrellas[b][s] = Slot::number(v);
                        break;
                    }
                }
                for (int k = 1; k <= EstrellasPorTablero; ++k)
                    for (int s = 1; s <= EstrellasPorApuesta; ++s)
                        if (m.Estrellas[b][s].matches(tablero[b].lblEstrella[k].Caption))
                            tablero[b].lblEstrella[k].aplicar(LookSeleccionada);
            }
            // Drawn stars are a change like any other: without the mark a
            // save would skip them and the exit would not ask.
            marcarModificado();
            if (mnuApSen.Checked) liberarConBoton(true);
            m.PasoEstrellas = 0;
            Timer4.habilitar(false);
            m.LlenandoNumeros = false;
            m.LlenandoEstrellas = false;
        }
        m.FaltanEstrellas = false;
    }
    if (mnuApMul.Checked && !m.Estrellas[1][1].isFree()) liberarSinBoton();
}

// The multiple bet's size was dropped while its numbers were being drawn:
// there is nothing left to draw into, so the draw ends and the window is
// given back.
void FrmQuelvar::cortarSorteoMultiple() {
    terminarSorteo();
    liberarConBoton(false);
}

// The multiple bet's numbers are complete: its stars come next, and the
// window is given back with the button disabled.
void FrmQuelvar::numerosMultipleCompletos() {
    iniciarPasoEstrellas(1);
    if (!hayLibre(m.Estrellas[1], EstrellasPorApuesta)) liberarConBoton(false);
    liberarSinBoton();
}

// One sweep step over board 1 for the multiple bet.
void FrmQuelvar::Timer5_Timer() {
    if (m.CantidadMultiple == 0) {
        cortarSorteoMultiple();
        return;
    }
    if (!hayLibre(m.NumerosMultiple, m.CantidadMultiple)) {
        // The size was made smaller mid-pass and what is there fills it:
        // sweeping on would never end.
        Timer5.habilitar(false);
        Timer6.habilitar(false);
        apagarTablero(1);
        m.CeldaSorteo = 0;
        numerosMultipleCompletos();
        return;
    }
    // Unlike the simple bets' sweep, nothing is lit again at the pass end.
    if (pasoBarrido(1, Timer5, Timer6)) cmdApuesta_Click();
}

// Draws one number of the multiple bet.
void FrmQuelvar::Timer6_Timer() {
    if (m.CantidadMultiple == 0) {
        cortarSorteoMultiple();
        return;
    }
    if (m.CeldaSorteo == 0) m.CeldaSorteo = 1;
    // Every lit cell, not only the one at the position: a pass cut short by
    // a size change may have left another.
    apagarTablero(1);
    Timer5.habilitar(false);
    Timer6.habilitar(false);

    const int size = m.CantidadMultiple;
    const int v = sortearNuevo(m.NumerosMultiple.data(), size, NumerosPorTablero);
    // A size made smaller during the draw may leave no slot: then the number
    // is not kept, and its cell is not shown as chosen either.
    for (int s = 1; s <= size; ++s) {
        if (m.NumerosMultiple[s].isFree()) {
            m.NumerosMultiple[s] = Slot::number(v);
            tablero[1].lblNral[v].aplicar(LookSeleccionada);
            break;
        }
    }

    m.CeldaSorteo = 0;
    if (hayLibre(m.NumerosMultiple, size)) {
        cmdApuesta_Click();
        return;
    }
    numerosMultipleCompletos();
}

} // namespace quelvar
