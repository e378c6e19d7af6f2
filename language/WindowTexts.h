#pragma once

// Which texts of a window belong in a language file: every non-empty
// caption, group title, hint, list entry and page caption, the window's
// caption and the added title. Not the calculators' result labels (a
// language switch would reset results that are not recalculated), nor the
// texts of input fields, the trace or the style list.

#include "language/LanguageFile.h"

#include <QStringList>

class QWidget;

namespace lang {

// Object names of the labels the calculators write their results into.
const QStringList& ResultLabelNames();

// The translatable texts of `window`, as the lines of its section.
std::vector<ControlText> TranslatableTexts(const QWidget* window);

// A whole language file: the window's section and every resource string as
// it comes out now.
LanguageFile DumpLanguage(const QWidget* window, const std::string& name);

} // namespace lang
