#pragma once

#include <QString>
#include <QValidator>

// The registration name edit: the name never grows beyond the record's Shift-JIS bytes and
// never splits a character. Typing stops at the limit; a paste that does not fit inserts
// the characters that do, with a beep, as a Win32 edit control with a limit does.
class CNameValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;

  private:
    // The last text accepted: what an insertion was made into.
    mutable QString m_accepted;
};
