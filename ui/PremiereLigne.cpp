#include "ui/PremiereLigne.h"

#include <algorithm>

QValidator::State PremiereLigne::validate(QString& texte, int& position) const {
    const auto fin = std::find_if(texte.cbegin(), texte.cend(),
                                  [](QChar c) { return c == u'\n' || c == u'\r'; });
    const int longueur = static_cast<int>(fin - texte.cbegin());
    texte.truncate(longueur);
    position = std::min(position, longueur);
    return Acceptable;
}
