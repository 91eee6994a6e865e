// Composes the program: the application, the real services, the player's
// choices (owned here, for the whole run) and the main window.
#include "ErrorTrap.h"
#include "GameEngine.h"
#include "GameSettings.h"
#include "ScoreTables.h"
#include "Translations.h"
#include "Desktop.h"
#include "Startup.h"
#include "Sound.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before anything is read that a save would write back.
    Desktop::TakeEndSignals();
    QApplication app(argc, argv);
    // The player's language, before any window is made.
    Translations::InstallForSystemLocale();
    Startup::PrepareApplication();
    Desktop::WatchCompositorSizes();

    PlayerChoices choices;
    ChoicesStore store;
    Desktop::SaveAtSessionEnd(app, [&] { store.Save(choices); });

    int result = 0;
    SoundPlayer wave;
    SteadyPauseClock steady;
    Desktop::SoundUntilEnding sound(wave);
    Desktop::PauseUntilEnding pause(steady);
    ClockSeededRandom random;
    StoredScoreTables scoreBook;
    Trap([&] {
        Startup::SetHelpFileBesideProgram();
        MainWindow form(choices, store, sound, pause, random, scoreBook);
        Desktop::CloseOnEndSignals(form);
        form.show();
        result = QApplication::exec();
    });
    SetErrorSink({});
    return result;
}
