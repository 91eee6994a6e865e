#pragma once
// The player's language: the game's own translation and Qt's (the standard
// buttons of message boxes), chosen from the system's locale.

#include <QString>

namespace Translations {

// Installs the translators for the first language of the system's list
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game speaks; a variant of a
// language the game has only in another variant gets that one (pt_PT gets
// pt_BR). English, the C locale, or a language without a translation of the
// game installs nothing, so every text stays as written in the code, and
// Qt's own strings stay English with it. Call once, after the application object exists. Returns
// the language installed ("de", "fr", "pt"), or an empty string for English.
QString InstallForSystemLocale();

// The same for the given list of languages, most wanted first, written as
// QLocale::uiLanguages() writes them ("de-DE", "fr", "en-US", "C").
QString InstallForLanguages(const QStringList& languages);

// The language of the game's translation installed here, as its file names
// it ("de", "pt_BR"), or an empty string for English.
QString InstalledLanguage();

// Removes the translators installed here, back to English.
void Uninstall();

}  // namespace Translations
