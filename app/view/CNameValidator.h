#pragma once

#include <QValidator>

// The registration name edit: a change that would make the name longer than the record's
// Shift-JIS bytes is refused, so typing stops at the limit and never splits a character.
class CNameValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
