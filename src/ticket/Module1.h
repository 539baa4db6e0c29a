#pragma once

#include "ticket/Slot.h"

#include <array>
#include <cstdint>
#include <string>

namespace quelvar {

constexpr int Apuestas = 5;            // simple bets on a ticket
constexpr int NumerosPorApuesta = 5;   // numbers of a simple bet
constexpr int EstrellasPorApuesta = 2; // stars of every bet
constexpr int MaximoMultiple = 10;     // slots of the multiple bet
constexpr int MinimoMultiple = 6;      // smallest multiple bet
constexpr int NumerosPorTablero = 50;  // number cells of a board
constexpr int EstrellasPorTablero = 9; // star cells of a board
constexpr int CamposArchivo = Apuestas * (NumerosPorApuesta + EstrellasPorApuesta);

// A 1-based array: index 0 exists but is never used, so that the code reads
// with the same indices as the ticket (bet 1..5, slot 1..5).
template <typename T, int N> using Base1 = std::array<T, N + 1>;

// The ticket's shared state. One instance belongs to the program object and
// every form works on it by reference.
struct Module1 {
    Base1<Base1<Slot, NumerosPorApuesta>, Apuestas> Numeros{};
    Base1<Base1<Slot, EstrellasPorApuesta>, Apuestas> Estrellas{};
    Base1<Slot, MaximoMultiple> NumerosMultiple{};
    std::uint8_t CantidadMultiple = 0;
    std::uint8_t CantidadMultipleFijada = 0;
    std::uint8_t ApuestaActual = 0;
    bool HayLugarNumero = false;
    bool HayLugarEstrella = false;
    bool Modificado = false;
    bool LlenandoNumeros = false;
    bool LlenandoEstrellas = false;
    std::int16_t CeldaSorteo = 0;
    bool Repetido = false;
    bool FaltanEstrellas = false;
    std::uint8_t PasoEstrellas = 0;
    std::uint8_t PasoParpadeo = 0;
    std::string ArchivoActual;
    std::uint8_t CantApuestas = 0;
    Base1<Slot, CamposArchivo> Campos{};
    std::uint8_t PosCampo = 0;
};

} // namespace quelvar
