#include "ui/Garde.h"

#include <QtGlobal>

namespace Calcul_Graphe {

void SignaleArret(const char* nom, const std::exception_ptr& exception) noexcept {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        qWarning("ondalis : %s interrompu par une exception : %s", nom, e.what());
    } catch (...) {
        qWarning("ondalis : %s interrompu par une exception inconnue", nom);
    }
}

} // namespace Calcul_Graphe
