// The one way a handler's work is run from Qt: no exception ever leaves it for the event loop,
// which would end the run and lose everything the user had set.
#pragma once

#include "calcul/Nombres.h"

#include <exception>
#include <utility>

namespace Calcul_Graphe {

// A warning on Qt's log naming the handler `nom` and what stopped it.
void SignaleArret(const char* nom, const std::exception_ptr& exception) noexcept;

// Runs `travail`, the work of the handler `nom`. A calculation error that its handler did not
// answer goes to `reaction`; any other exception, and one thrown by the reaction itself, ends
// the handler there with a warning, leaving the controls and the state as they stand.
template <typename Travail, typename Reaction>
void Garde(const char* nom, Travail&& travail, Reaction&& reaction) noexcept {
    try {
        std::forward<Travail>(travail)();
    } catch (const ErreurExecution& erreur) {
        try {
            std::forward<Reaction>(reaction)(erreur);
        } catch (...) {
            SignaleArret(nom, std::current_exception());
        }
    } catch (...) {
        SignaleArret(nom, std::current_exception());
    }
}

// A handler with nothing to answer: whatever it throws stops there.
template <typename Travail> void Garde(const char* nom, Travail&& travail) noexcept {
    Garde(nom, std::forward<Travail>(travail), [](const ErreurExecution&) {});
}

} // namespace Calcul_Graphe
