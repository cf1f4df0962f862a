#pragma once

namespace engine {

/**
 * The weight of a mass of 1 kg in newtons, with the handbook's value of g.
 * The engine's loads are in kgf (a mass of 1 kg is a load of 1 kgf); the
 * state equation, the design check and the printed forces are in N or kN.
 */
inline constexpr double newtonPerKgf = 9.8;

/// \a load_kgf in kN.
constexpr double kiloNewtons(double load_kgf)
{
    return load_kgf * newtonPerKgf * 0.001;
}

} // namespace engine
