#pragma once
// Setting the application up before its main window is made.

#include <QString>

namespace Startup {
// Names the application, installs the error report (a message box) and
// keeps large buffers out of the heap so that a long session holds its
// memory. Needs a QApplication.
void PrepareApplication();

// Points the help at the file of the installed language in the program's
// own directory ("Pexora_de.chm"), English ("Pexora.chm") standing in.
void SetHelpFileBesideProgram();

// The common error report: exclamation icon, OK, title "Error".
void ShowErrorBox(int number, const QString& description);
}  // namespace Startup
