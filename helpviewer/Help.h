#pragma once
// Opening the help viewer at its contents, its index or one topic.

#include <QString>

class QWidget;

namespace Help {
// The help files in a folder: "Pexora.chm" in English, "Pexora_de.chm" in
// German, and so on for every language the game's help is translated into.
QString HelpFileName(const QString& language);
// The help file of the game's language ("de", "pt_BR"; empty for English)
// in the program's folder, and the English one beside it, which the viewer
// shows when the language has no help file or its file cannot be read.
// Set once at start-up, read by every help command.
void SetHelpFiles(const QString& folder, const QString& language);
QString HelpFile();
QString EnglishHelpFile();
}  // namespace Help

void ShowHelpContents(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpIndex(QWidget* owner, const QString& helpFile) noexcept;
void ShowHelpTopic(QWidget* owner, const QString& helpFile, const QString& topic) noexcept;
