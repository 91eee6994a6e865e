#include "basMain.h"

#include "ErrorTrap.h"
#include "GameEngine.h"
#include "basHelp.h"
#include "basWave.h"
#include "frmMain.h"

#include <QApplication>
#include <QMessageBox>

// The text carries a carriage return between the number and the
// description, which a message box would not break, so it becomes a line
// break.
void basMain::ShowErrorBox(int number, const QString& description) {
    QString text = ErrorReportText(number, description);
    text.replace(QChar(13), QChar(10));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void basMain::PrepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Pexora"));
    QApplication::setApplicationVersion(QStringLiteral(PEXORA_VERSION));
#ifdef PEXORA_APP_ID
    // Ties the windows to the desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral(PEXORA_APP_ID));
#endif
    SetErrorSink(&ShowErrorBox);
}

void basMain::SetHelpFileBesideProgram() {
    basHelp::SetHelpFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Pexora.chm"));
}

int basMain::Main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    int result = 0;
    WaveSoundPlayer sound;
    SteadyPauseClock pause;
    ClockSeededRandom random;
    Trap([&] {
        SetHelpFileBesideProgram();
        frmMain form(sound, pause, random);
        form.show();
        result = QApplication::exec();
    });
    SetErrorSink({});
    return result;
}
