#pragma once
// Turns letters typed into an edit box into capitals (the barcode filter).
#include <QValidator>

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
