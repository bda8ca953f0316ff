#pragma once

class QWidget;

// Makes room for every text of a laid-out dialog: a label (or a check or radio button)
// whose text does not fit its place grows, the controls beside and below it move on, and
// the dialog grows to hold them. Run once the texts are set.
void GrowToFitTexts(QWidget& dialog);
