#pragma once
// The program's entry routine.

#include <QString>

namespace basMain {
// Names the application and installs the error report (a message box).
// Needs a QApplication.
void PrepareApplication();

// Points the help at "Pexora.chm" in the program's own directory.
void SetHelpFileBesideProgram();

// The common error report: exclamation icon, OK, title "Error".
void ShowErrorBox(int number, const QString& description);

// Sets up the application and its error report, points the help at the
// program's directory, shows the main window and runs until it is closed.
int Main(int argc, char* argv[]);
}  // namespace basMain
