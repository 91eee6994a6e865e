#pragma once
// The program's entry routine.

#include <QString>

class QObject;
class QWidget;

namespace basMain {
// Names the application, installs the error report (a message box), lets
// the desktop session's request to save the program's data write the
// settings, and keeps large buffers out of the heap so that a long session
// holds its memory. Needs a QApplication.
void PrepareApplication();

// Points the help at the file of the installed language in the program's
// own directory ("Pexora_de.chm"), English ("Pexora.chm") standing in.
void SetHelpFileBesideProgram();

// The common error report: exclamation icon, OK, title "Error".
void ShowErrorBox(int number, const QString& description);

// On a Wayland compositor: lets every top-level window take the size of a
// maximised or full-screen state it is given, showing its fixed content at
// the top left on its own background, and gives it back its fixed size
// when it returns to the normal state. Returns the watcher (owned by the
// application); nullptr on any other platform, where nothing is needed.
QObject* WatchCompositorSizes();

// Catches SIGTERM, SIGHUP and SIGINT from now on; what they do waits for
// CloseOnEndSignals. The same signal twice, or a second one more than 2
// seconds after the first, ends the program at once. False when they
// could not be caught.
bool TakeEndSignals();

// SIGTERM, SIGHUP and SIGINT (taken before too) close `window` as its close
// box does, once the program is back in its event loop; from then on pauses
// are not waited for, no new sound starts, and a failed save is said once on
// stderr instead of in a box. Returns false when the signals could not be
// caught (they then end the program as before).
bool CloseOnEndSignals(QWidget& window);

// Whether one of those signals has arrived.
bool EndSignalReceived();

// Sets up the application and its error report, points the help at the
// program's directory, shows the main window and runs until it is closed.
int Main(int argc, char* argv[]);
}  // namespace basMain
