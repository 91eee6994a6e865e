#pragma once
// A player's name as it is shown beside other text: in the score lists, the
// status bar and message boxes.

#include <QString>

// The name on one line (each line break shown as a blank) and, when it
// holds right-to-left letters or direction controls, set apart from the
// text around it (U+2068 ... U+2069) so that it cannot reorder that text.
// Any other name comes back exactly as it is.
QString DisplayName(const QString& name);
