// The one way a handler's work is run from Qt: no exception ever leaves it for the event loop,
// which would end the run and lose everything the user had set.
#pragma once

#include "calcul/Nombres.h"

#include <utility>

namespace Calcul_Graphe {

// Runs `travail`. A calculation error that its handler did not answer goes to `reaction`; any
// other exception, and one thrown by the reaction itself, ends the handler there, leaving the
// controls and the state as they stand.
template <typename Travail, typename Reaction>
void Garde(Travail&& travail, Reaction&& reaction) noexcept {
    try {
        std::forward<Travail>(travail)();
    } catch (const ErreurExecution& erreur) {
        try {
            std::forward<Reaction>(reaction)(erreur);
        } catch (...) {
        }
    } catch (...) {
    }
}

// A handler with nothing to answer: whatever it throws stops there.
template <typename Travail> void Garde(Travail&& travail) noexcept {
    Garde(std::forward<Travail>(travail), [](const ErreurExecution&) {});
}

} // namespace Calcul_Graphe
