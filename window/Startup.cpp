#include "Startup.h"

#include "ErrorTrap.h"
#include "Help.h"
#include "OptionCatalogue.h"
#include "Translations.h"

#include <QApplication>
#include <QMessageBox>

#include <malloc.h>

// The text carries a carriage return between the number and the
// description, which a message box would not break, so it becomes a line
// break.
void Startup::ShowErrorBox(int number, const QString& description) {
    QString text = ErrorReportText(number, description);
    text.replace(QChar(13), QChar(10));
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("ErrorTrap", "Error"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Startup::PrepareApplication() {
    // The large buffers of a session (the backing store of every dialog shown,
    // of the window after a change of board, pictures being scaled) come and
    // go. The C library would serve them from the heap once the first of them
    // had been freed, and the small allocations that live on between them
    // would keep the heap grown, a window's size at a time: a fixed
    // threshold keeps every such buffer in its own mapping, given back whole.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication::setApplicationName(Options::Text(Options::ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(PEXORA_VERSION));
#ifdef PEXORA_APP_ID
    // Ties the windows to the desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral(PEXORA_APP_ID));
#endif
    SetErrorSink(&ShowErrorBox);
}

void Startup::SetHelpFileBesideProgram() {
    Help::SetHelpFiles(QCoreApplication::applicationDirPath(), Translations::InstalledLanguage());
}
