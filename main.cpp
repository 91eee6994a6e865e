// Composes the program: the application, the real services, the player's
// choices (owned here, for the whole run) and the main window.
#include "ErrorTrap.h"
#include "GameEngine.h"
#include "GameSettings.h"
#include "ScoreBook.h"
#include "Translations.h"
#include "basMain.h"
#include "basWave.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before anything is read that a save would write back.
    basMain::TakeEndSignals();
    QApplication app(argc, argv);
    // The player's language, before any window is made.
    Translations::InstallForSystemLocale();
    basMain::PrepareApplication();
    basMain::WatchCompositorSizes();

    PlayerChoices choices;
    ChoicesStore store;
    basMain::SaveAtSessionEnd(app, [&] { store.Save(choices); });

    int result = 0;
    WaveSoundPlayer wave;
    SteadyPauseClock steady;
    basMain::SoundUntilEnding sound(wave);
    basMain::PauseUntilEnding pause(steady);
    ClockSeededRandom random;
    StoreScoreBook scoreBook;
    Trap([&] {
        basMain::SetHelpFileBesideProgram();
        frmMain form(choices, store, sound, pause, random, scoreBook);
        basMain::CloseOnEndSignals(form);
        form.show();
        result = QApplication::exec();
    });
    SetErrorSink({});
    return result;
}
