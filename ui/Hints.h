#pragma once

// Hints are small HTML texts (<br>, <b>, <i>) shown as rich-text tool tips.
// The stored texts hold CR LF pairs after their <br> tags; these draw
// nothing, so a line breaks at <br> alone. Long hints wrap at about 400
// pixels, and a hint stays until the pointer leaves its control.

#include <QString>

class QWidget;

// The tool-tip text shown for a stored hint.
QString HintHtml(const QString& hint);

// The form compiler keeps only the LF of a stored CR LF pair; puts the CR
// back into the hints of root and its children.
void RestoreHintLineEnds(QWidget* root);

// Shows every control's toolTip through HintHtml; safe to call repeatedly.
void InstallHints();
