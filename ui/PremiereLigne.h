// A single-line box keeps the first line of what reaches it: "50" copied with its line break
// from a column of figures is pasted as 50, not as a text the duty cycle cannot read.
#pragma once

#include <QValidator>

class PremiereLigne : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};
