#pragma once
// Opening the help viewer at its contents, its index or one topic.

#include <QString>

class QWidget;

namespace basHelp {
// The help file's full path: the program's directory, "/", "Pexora.chm".
// Set once at start-up, read by every help command.
void SetHelpFile(const QString& path);
QString HelpFile();
}  // namespace basHelp

void ShowHelpContents(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpIndex(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpTopic(QWidget* owner, const QString& helpFile, const QString& topic) noexcept;
