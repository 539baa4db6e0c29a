#pragma once

#include "window/FrmQuelvar.h"

#include <QTest>

#include <array>
#include <cmath>
#include <vector>

namespace quelvar::test {

// Fires the form's enabled timers in virtual time, in due order, the way the
// shell's timers would. It hears the timer requests as the shell does and
// applies them as the shell does, once the handler has returned (sync()):
// a start begins a new interval.
class VirtualClock : private Ventana {
public:
    explicit VirtualClock(FrmQuelvar& f) : f_(f) {
        for (const auto& t : FrmQuelvar::temporizadores()) {
            Entry& e = entries_[std::size_t(t.numero)];
            e.timer = t.control;
            e.tick = t.tick;
            e.active = (f_.*t.control).Enabled;
            e.due = now + (f_.*t.control).Interval;
        }
        f_.ventana().escuchar(*this);
    }
    ~VirtualClock() override { f_.ventana().dejar(*this); }
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    // Which of two timers due at the same moment fires first. By default the
    // draw tick comes before a sweep tick due with it; `sweepFirst` delivers
    // the extra sweep tick first.
    bool sweepFirst = false;
    long now = 0;
    struct Fired {
        long at;
        int timer;
    };
    std::vector<Fired> fired;

    // Call after driving the form directly, so that timers it switched start
    // or stop.
    void sync() {
        for (const auto& [n, on] : pending_) {
            Entry& e = entries_[std::size_t(n)];
            e.active = on;
            if (on) e.due = now + (f_.*e.timer).Interval;
        }
        pending_.clear();
    }

    // Fires the next timer; false when none is enabled.
    bool step() {
        sync();
        const int next = nextDue();
        if (next == 0) return false;
        fire(next);
        return true;
    }

    // Lets `ms` pass inside a modal dialog, as its nested event loop does:
    // the running timers keep firing, except one whose own tick opened the
    // dialog; a timer the interrupted handler enabled starts only with the
    // first tick's refresh.
    void runFor(long ms) {
        const long end = now + ms;
        for (int next = nextDue(); next != 0 && entries_[next].due <= end; next = nextDue())
            fire(next);
        now = end;
    }

    // Runs until no timer is enabled; returns the ticks fired.
    int runUntilIdle(int limit = 100000) {
        int ticks = 0;
        while (ticks < limit && step())
            ++ticks;
        return ticks;
    }

    // Runs while the predicate holds, checking it after every tick.
    template <typename Check> int runChecking(Check check, int limit = 100000) {
        int ticks = 0;
        // A failed check ends the run: one report, not thousands.
        while (ticks < limit && !QTest::currentTestFailed() && step()) {
            ++ticks;
            check();
        }
        return ticks;
    }

private:
    std::vector<int> order() const {
        return sweepFirst ? std::vector<int>{1, 2, 3, 4, 5, 6} : std::vector<int>{1, 3, 2, 4, 6, 5};
    }
    int nextDue() const {
        int next = 0;
        for (int n : order()) {
            const Entry& e = entries_[n];
            if (e.active && !e.ticking && (next == 0 || e.due < entries_[next].due)) next = n;
        }
        return next;
    }
    void fire(int n) {
        Entry& e = entries_[n];
        now = e.due;
        e.due += (f_.*e.timer).Interval;
        fired.push_back({now, n});
        e.ticking = true;
        // The shell skips the tick of a timer stopped by a handler that is
        // still waiting in a dialog.
        if ((f_.*e.timer).Enabled) (f_.*e.tick)();
        entries_[n].ticking = false;
        sync();
    }
    struct Entry {
        Temporizador ControlesQuelvar::*timer = nullptr;
        void (FrmQuelvar::*tick)() = nullptr;
        bool active = false;
        bool ticking = false;
        long due = 0;
    };

    void enfocarBoton() override {}
    void cerrarVentana() override {}
    void temporizador(int numero, bool activo) override { pending_.emplace_back(numero, activo); }
    void cerrarDialogo(Formulario) override {}

    FrmQuelvar& f_;
    std::array<Entry, FrmQuelvar::Temporizadores + 1> entries_{};
    std::vector<std::pair<int, bool>> pending_;
};

// A source that gives back scripted values, then values that keep moving
// (a fixed one would make the duplicate check draw forever).
class ScriptedAzar : public Azar {
public:
    std::vector<float> values;
    std::size_t used = 0;
    // The value that draws `v` out of `max`.
    static float for_(int v, int max) { return (static_cast<float>(v) - 0.5f) / static_cast<float>(max); }
    float siguiente() override {
        if (used < values.size()) return values[used++];
        ++used;
        filler_ = std::fmod(filler_ + 0.6180339887f, 1.0f);
        return filler_;
    }

private:
    float filler_ = 0.5f;
};

} // namespace quelvar::test
