#pragma once

class QFileDialog;

// Filters such as "画像ファイル (*.png;*.jpg)" list their patterns with semicolons, as the
// program's filter texts do; Qt's own dialog splits patterns on spaces only. This makes the
// dialog's file list follow every pattern of the filter the operator picks.
void FollowSemicolonPatterns(QFileDialog& dialog);
