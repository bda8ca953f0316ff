#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A family as the catalogue lists it: its name without Qt's foundry suffix, and the name to
// ask Qt's font database with.
struct KEQtFamily {
    QString faceName;
    QString queryName;
};

// Qt's family list once per family: "C059 [UKWN]" and "C059 [urw]" become one "C059" (the
// first foundry is kept), and fontconfig's generic aliases ("Sans Serif", "Monospace", ...)
// are left out.
std::vector<KEQtFamily> KEQtDistinctFamilies(const QStringList& qtFamilies);
