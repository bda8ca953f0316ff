#include "app/dialogs/FileDialogPatterns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>

namespace {

// The patterns between the last parentheses of a filter, split on spaces and semicolons.
QStringList PatternsOf(const QString& filter) {
    static const QRegularExpression inParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = inParentheses.match(filter);
    const QString patterns = match.hasMatch() ? match.captured(1) : filter;
    return patterns.split(QRegularExpression(QStringLiteral("[ ;]")), Qt::SkipEmptyParts);
}

}  // namespace

void FollowSemicolonPatterns(QFileDialog& dialog) {
    // Runs after the dialog's own handler of the same signal, which set the unsplit pattern.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        if (!f.contains(u';')) {
            return;
        }
        if (auto* model = dialog.findChild<QFileSystemModel*>()) {
            model->setNameFilters(PatternsOf(f));
        }
    });
}
