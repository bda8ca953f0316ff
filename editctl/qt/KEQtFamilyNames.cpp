#include "editctl/qt/KEQtFamilyNames.h"

#include <QSet>

namespace {

bool IsGenericAlias(const QString& name) {
    static const QSet<QString> aliases = {QStringLiteral("Sans Serif"), QStringLiteral("Sans"),
                                          QStringLiteral("Serif"),      QStringLiteral("Monospace"),
                                          QStringLiteral("Mono"),       QStringLiteral("Cursive"),
                                          QStringLiteral("Fantasy"),    QStringLiteral("System-ui"),
                                          QStringLiteral("Emoji"),      QStringLiteral("Math")};
    return aliases.contains(name);
}

}  // namespace

std::vector<KEQtFamily> KEQtDistinctFamilies(const QStringList& qtFamilies) {
    std::vector<KEQtFamily> out;
    QSet<QString> seen;
    for (const QString& family : qtFamilies) {
        QString face = family;
        const qsizetype bracket = face.lastIndexOf(QStringLiteral(" ["));
        if (bracket > 0 && face.endsWith(u']')) {
            face.truncate(bracket);
        }
        if (face.isEmpty() || IsGenericAlias(face) || seen.contains(face)) {
            continue;
        }
        seen.insert(face);
        out.push_back(KEQtFamily{face, family});
    }
    return out;
}
