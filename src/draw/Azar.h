#pragma once

#include <cstdint>
#include <functional>

namespace quelvar {

// A uniform source of single-precision values in [0, 1).
class Azar {
public:
    virtual ~Azar() = default;
    virtual float siguiente() = 0;
};

// Reseeded from the clock before every value. The reading is mixed into the
// current state rather than restarting the sequence, so that two values
// drawn within one clock reading (the duplicate check redraws at once) still
// differ.
class AzarReloj : public Azar {
public:
    using Reloj = std::function<std::uint64_t()>;
    explicit AzarReloj(Reloj reloj, std::uint64_t semilla = 0) : reloj_(std::move(reloj)), estado_(semilla) {}
    float siguiente() override;

private:
    Reloj reloj_;
    std::uint64_t estado_;
};

// The number a value stands for: the whole part of r * maximo + 1, so 1..maximo.
int sortear(Azar& azar, int maximo);

} // namespace quelvar
