#pragma once

#include <QString>

class QCheckBox;

namespace orv {

class Dialogs;

QCheckBox* namedCheckBox(const QString& name, const QString& caption);

// A safety the user switches off is asked for first (warning, No preselected); No checks the box again.
// Only the user's click asks: filling the box from the record does not.
void askBeforeSwitchingOff(QCheckBox* box, Dialogs& dialogs, const char* caption, const char* question);

} // namespace orv
