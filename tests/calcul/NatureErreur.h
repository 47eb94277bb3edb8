// The kind of error a call of the numeric core raised, for tables of expected failures.
#pragma once

#include "calcul/Nombres.h"

#include <optional>

using Nature = Calcul_Graphe::ErreurExecution::Nature;

// Runs f and gives the kind of error it raised, or nothing.
template <typename F> std::optional<Nature> NatureErreur(F&& f) try {
    f();
    return std::nullopt;
} catch (const Calcul_Graphe::ErreurExecution& e) {
    return e.nature();
}
