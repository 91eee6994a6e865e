#pragma once
// The program's entry routine.

namespace basMain {
// Sets up the application and its error report, points the help at the
// program's directory, shows the main window and runs until it is closed.
int Main(int argc, char* argv[]);
}  // namespace basMain
