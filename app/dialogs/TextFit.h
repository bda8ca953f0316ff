#pragma once

class QFont;
class QString;
class QWidget;

// Makes room for every text of a laid-out dialog: a label (or a check or radio button)
// whose text does not fit its place grows, the controls beside and below it move on, and
// the dialog grows to hold them. Run once the texts are set.
void GrowToFitTexts(QWidget& dialog);

// The height of one line of `text` in `font`, as drawn: a character the font lacks comes
// from another font, which may be taller.
int DrawnLineHeight(const QFont& font, const QString& text);
