#include "app/view/CNameValidator.h"

#include <QApplication>
#include <algorithm>

#include "app/dialogs/QtText.h"
#include "app/present/RegistrationName.h"

QValidator::State CNameValidator::validate(QString& input, int& position) const {
    if (FitsRegistrationName(Utf8(input))) {
        m_accepted = input;
        return Acceptable;
    }
    // An insertion ends at the cursor: the text after it is the accepted text's end, the
    // text before the insertion its start.
    const QString tail = input.mid(position);
    if (!m_accepted.endsWith(tail)) return Invalid;
    const int limit = std::min<int>(position, m_accepted.size() - tail.size());
    int head = 0;
    while (head < limit && input[head] == m_accepted[head]) ++head;
    if (head > 0 && input[head - 1].isHighSurrogate()) --head;
    const std::string before = Utf8(input.left(head));
    const std::string inserted = Utf8(input.mid(head, position - head));
    const std::string after = Utf8(tail);
    const QString kept = Qs(FittingInsertion(before, inserted, after));
    const QString fitted = input.left(head) + kept + tail;
    if (!FitsRegistrationName(Utf8(fitted))) return Invalid;
    QApplication::beep();
    input = fitted;
    position = head + static_cast<int>(kept.size());
    m_accepted = input;
    return Acceptable;
}
