#pragma once
// Opening the help viewer at its contents, its index or one topic.

#include <QString>

class QWidget;

namespace basHelp {
// The help file's full path: the program's directory, "/", "Pexora.chm".
// Set once at start-up, read by every help command.
void SetHelpFile(const QString& path);
QString HelpFile();

// The last request handed to the help viewer: its text and command number
// (1 contents, 2 index). Empty before the first request.
struct HelpRequest {
    QString Text;
    int Command = 0;
};
HelpRequest LastHelpRequest();
}  // namespace basHelp

void ShowHelpContents(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpIndex(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpTopic(QWidget* owner, const QString& helpFile, const QString& topic) noexcept;
