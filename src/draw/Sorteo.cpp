// The animated random draw. The button's click handler is the one routine
// that starts or continues a draw; the timers call it after every step.

#include "draw/Sorteo.h"

#include "base/Textos.h"
#include "ticket/Filas.h"

#include <algorithm>

namespace quelvar {

namespace {
constexpr int FinDePasada = NumerosPorTablero + 1; // the sweep has passed cell 50
constexpr int FaseEncendida1 = 1, FaseApagada1 = 2, FaseEncendida2 = 3, FaseSorteo = 4;

} // namespace

// The cell of the sweep, or none when the position lies off the board.
Celda* Sorteo::celdaNumero(int b, int k) {
    if (b < 1 || b > Apuestas || k < 1 || k > NumerosPorTablero) return nullptr;
    return &c.tablero[b].lblNral[k];
}

void Sorteo::bloqueoSorteo() {
    m.LlenandoNumeros = true;
    m.LlenandoEstrellas = true;
    grupos.bloquearVentana();
}

void Sorteo::liberarConBoton(bool foco) {
    m.LlenandoNumeros = false;
    m.LlenandoEstrellas = false;
    c.cmdApuesta.Enabled = true;
    grupos.liberarVentana();
    if (foco) grupos.enfocarBoton();
}

void Sorteo::liberarSinBoton() {
    c.cmdApuesta.Enabled = false;
    grupos.liberarVentana();
}

// One step of the highlight over board b. At the end of a pass the sweep
// timer stops and the draw timer starts; returns whether the pass goes on.
bool Sorteo::pasoBarrido(int b, Temporizador& barrido, Temporizador& sorteo) {
    const int p = std::min(m.CeldaSorteo + 1, FinDePasada);
    m.CeldaSorteo = static_cast<std::int16_t>(p);
    if (p >= FinDePasada) {
        if (Celda* celda = celdaNumero(b, NumerosPorTablero); celda && celda->iluminada()) celda->aplicar(LookLibre);
        m.CeldaSorteo = 0;
        barrido.habilitar(false);
        sorteo.habilitar(true);
    }
    if (sorteo.Enabled) return false;
    if (Celda* celda = celdaNumero(b, p); celda && celda->libre()) celda->aplicar(LookIluminada);
    const int q = p - 1 == 0 ? 1 : p - 1;
    m.CeldaSorteo = static_cast<std::int16_t>(q);
    if (Celda* celda = celdaNumero(b, q); celda && celda->iluminada()) celda->aplicar(LookLibre);
    return true;
}

// Draws 1..maximo, then checks it against slots 1..hasta in passes while
// Repetido holds, drawing again at every match; the value that survives a
// whole pass is in none of them.
int Sorteo::sortearNuevo(const Slot* fila, int hasta, int maximo) {
    int v = sortear(*azar, maximo);
    while (m.Repetido) {
        m.Repetido = false;
        for (int s = 1; s <= hasta; ++s) {
            if (fila[s].matches(std::to_string(v))) {
                m.Repetido = true;
                v = sortear(*azar, maximo);
            }
        }
    }
    return v;
}

// The position never leaves 0..51, whoever calls.
void Sorteo::avanzarCelda() {
    if (m.CeldaSorteo < FinDePasada) ++m.CeldaSorteo;
}

void Sorteo::cmdApuesta_Click() {
    if (c.cmdApuesta.Caption == textos::BotonSencillas) {
        // A press while a star step waits or blinks unlocked ends it first:
        // one draw at a time, under one lock.
        if (c.Timer4.Enabled) fin.terminarPasoEstrellas();
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
            fin.iniciarPasoEstrellas(s);
            return;
        }
        m.ApuestaActual = static_cast<std::uint8_t>(n);
        m.Repetido = true;
        avanzarCelda();
        if (Celda* celda = celdaNumero(m.ApuestaActual, m.CeldaSorteo); celda && celda->libre())
            celda->aplicar(LookIluminada);
        c.Timer2.habilitar(true);
        grupos.marcarModificado();
        return;
    }
    if (c.cmdApuesta.Caption != textos::BotonMultiple) return;

    tableros.CompactarMultiple();
    const bool completos = m.CantidadMultiple >= 1 && !hayLibre(m.NumerosMultiple, m.CantidadMultiple);
    if (completos) {
        fin.iniciarPasoEstrellas(1);
    } else if (m.CantidadMultiple == 0) {
        desktop.messageBox(textos::FaltaCantidad, MsgButtons::Ok, MsgIcon::Information, textos::Titulo);
        c.Timer1.habilitar(true);
    } else {
        // A star step still blinking from a bet that was complete before
        // its size grew would end in the middle of this draw.
        if (c.Timer4.Enabled) fin.terminarPasoEstrellas();
        bloqueoSorteo();
        m.Repetido = true;
        avanzarCelda();
        if (Celda* celda = celdaNumero(1, m.CeldaSorteo); celda && celda->libre()) celda->aplicar(LookIluminada);
        c.Timer5.habilitar(true);
        grupos.marcarModificado();
    }
}

// One sweep step over a simple bet's board.
void Sorteo::Timer2_Timer() {
    pasoBarrido(m.ApuestaActual, c.Timer2, c.Timer3);
    // Also on the tick that ended the pass: the next pass starts lit.
    cmdApuesta_Click();
}

// Draws one number of a simple bet.
void Sorteo::Timer3_Timer() {
    const int b = m.ApuestaActual;
    // An extra sweep tick may have come first and left two cells lit.
    fin.apagarTablero(b);
    c.Timer2.habilitar(false);
    c.Timer3.habilitar(false);

    const int v = sortearNuevo(m.Numeros[b].data(), NumerosPorApuesta, NumerosPorTablero);
    ocuparPrimeroLibre(m.Numeros[b], NumerosPorApuesta, Slot::number(v));
    c.tablero[b].lblNral[v].aplicar(LookSeleccionada);

    m.CeldaSorteo = 0;
    if (hayLibre(m.Numeros[b], NumerosPorApuesta)) {
        cmdApuesta_Click();
        return;
    }
    fin.iniciarPasoEstrellas(b);
    if (!hayLibre(m.Estrellas[b], EstrellasPorApuesta)) liberarConBoton(true);
}

// The star step: the bet's nine stars blink twice, then the missing ones are
// drawn.
void Sorteo::Timer4_Timer() {
    const int b = fin.apuestaDelPaso();
    if (!hayLibre(m.Estrellas[b], EstrellasPorApuesta)) {
        // Completed by hand during the blink: the cells may be in a phase
        // that hides a chosen star.
        fin.terminarPasoEstrellas();
        return;
    }
    ++m.PasoEstrellas;
    if (hayLibre(m.Estrellas[b], EstrellasPorApuesta)) m.FaltanEstrellas = true;
    if (m.FaltanEstrellas) {
        const int fase = m.PasoEstrellas;
        if (fase == FaseEncendida1 || fase == FaseEncendida2)
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                c.tablero[b].lblEstrella[k].aplicar(LookSeleccionada);
        if (fase == FaseApagada1 || fase == FaseSorteo)
            for (int k = 1; k <= EstrellasPorTablero; ++k)
                c.tablero[b].lblEstrella[k].aplicar(LookLibre);
        if (fase == FaseSorteo) {
            while (hayLibre(m.Estrellas[b], EstrellasPorApuesta)) {
                m.Repetido = true;
                const int v = sortearNuevo(m.Estrellas[b].data(), EstrellasPorApuesta, EstrellasPorTablero);
                ocuparPrimeroLibre(m.Estrellas[b], EstrellasPorApuesta, Slot::number(v));
                for (int k = 1; k <= EstrellasPorTablero; ++k)
                    for (int s = 1; s <= EstrellasPorApuesta; ++s)
                        if (m.Estrellas[b][s].matches(c.tablero[b].lblEstrella[k].Caption))
                            c.tablero[b].lblEstrella[k].aplicar(LookSeleccionada);
            }
            // Drawn stars are a change like any other: without the mark a
            // save would skip them and the exit would not ask.
            grupos.marcarModificado();
            if (c.mnuApSen.Checked) liberarConBoton(true);
            m.PasoEstrellas = 0;
            c.Timer4.habilitar(false);
            m.LlenandoNumeros = false;
            m.LlenandoEstrellas = false;
        }
        m.FaltanEstrellas = false;
    }
    if (c.mnuApMul.Checked && !m.Estrellas[1][1].isFree()) liberarSinBoton();
}

// The multiple bet's size was dropped while its numbers were being drawn:
// there is nothing left to draw into, so the draw ends and the window is
// given back.
void Sorteo::cortarSorteoMultiple() {
    fin.terminarSorteo();
    liberarConBoton(false);
}

// The multiple bet's numbers are complete: its stars come next, and the
// window is given back with the button disabled.
void Sorteo::numerosMultipleCompletos() {
    fin.iniciarPasoEstrellas(1);
    if (!hayLibre(m.Estrellas[1], EstrellasPorApuesta)) liberarConBoton(false);
    liberarSinBoton();
}

// One sweep step over board 1 for the multiple bet.
void Sorteo::Timer5_Timer() {
    if (m.CantidadMultiple == 0) {
        cortarSorteoMultiple();
        return;
    }
    if (!hayLibre(m.NumerosMultiple, m.CantidadMultiple)) {
        // The size was made smaller mid-pass and what is there fills it:
        // sweeping on would never end.
        c.Timer5.habilitar(false);
        c.Timer6.habilitar(false);
        fin.apagarTablero(1);
        m.CeldaSorteo = 0;
        numerosMultipleCompletos();
        return;
    }
    // Unlike the simple bets' sweep, nothing is lit again at the pass end.
    if (pasoBarrido(1, c.Timer5, c.Timer6)) cmdApuesta_Click();
}

// Draws one number of the multiple bet.
void Sorteo::Timer6_Timer() {
    if (m.CantidadMultiple == 0) {
        cortarSorteoMultiple();
        return;
    }
    if (m.CeldaSorteo == 0) m.CeldaSorteo = 1;
    // Every lit cell, not only the one at the position: a pass cut short by
    // a size change may have left another.
    fin.apagarTablero(1);
    c.Timer5.habilitar(false);
    c.Timer6.habilitar(false);

    const int tamano = m.CantidadMultiple;
    const int v = sortearNuevo(m.NumerosMultiple.data(), tamano, NumerosPorTablero);
    // A size made smaller during the draw may leave no slot: then the number
    // is not kept, and its cell is not shown as chosen either.
    if (ocuparPrimeroLibre(m.NumerosMultiple, tamano, Slot::number(v)))
        c.tablero[1].lblNral[v].aplicar(LookSeleccionada);

    m.CeldaSorteo = 0;
    if (hayLibre(m.NumerosMultiple, tamano)) {
        cmdApuesta_Click();
        return;
    }
    numerosMultipleCompletos();
}

} // namespace quelvar
