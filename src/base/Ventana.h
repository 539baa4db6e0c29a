#pragma once

#include "base/Formularios.h"

#include <algorithm>
#include <vector>

namespace quelvar {

// What the program asks of its windows. The shell carries the requests out
// once the running handler returns, in a fixed order: the button's state,
// the focus, the timers by number, closing; that order decides which of two
// due ticks comes first.
class Ventana {
public:
    virtual ~Ventana() = default;
    virtual void enfocarBoton() = 0;
    virtual void cerrarVentana() = 0;
    virtual void temporizador(int numero, bool activo) = 0;
    virtual void cerrarDialogo(Formulario formulario) = 0;
};

// Hands every request to each window that listens: the shell's main window,
// a test's recorder, a virtual clock.
class RelevoVentana : public Ventana {
public:
    void escuchar(Ventana& v) { oyentes_.push_back(&v); }
    void dejar(Ventana& v) { oyentes_.erase(std::remove(oyentes_.begin(), oyentes_.end(), &v), oyentes_.end()); }

    // By index: a listener may join while a request is handed round.
    void enfocarBoton() override {
        for (std::size_t i = 0; i < oyentes_.size(); ++i)
            oyentes_[i]->enfocarBoton();
    }
    void cerrarVentana() override {
        for (std::size_t i = 0; i < oyentes_.size(); ++i)
            oyentes_[i]->cerrarVentana();
    }
    void temporizador(int numero, bool activo) override {
        for (std::size_t i = 0; i < oyentes_.size(); ++i)
            oyentes_[i]->temporizador(numero, activo);
    }
    void cerrarDialogo(Formulario formulario) override {
        for (std::size_t i = 0; i < oyentes_.size(); ++i)
            oyentes_[i]->cerrarDialogo(formulario);
    }

private:
    std::vector<Ventana*> oyentes_;
};

} // namespace quelvar
