// Composes the program: the application, the real services and the main window.
#include "basMain.h"

int main(int argc, char* argv[]) { return basMain::Main(argc, argv); }
