#include "app/view/CNameValidator.h"

#include "app/dialogs/QtText.h"
#include "app/present/RegistrationName.h"

QValidator::State CNameValidator::validate(QString& input, int& /*position*/) const {
    return FitsRegistrationName(Utf8(input)) ? Acceptable : Invalid;
}
