#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QPointer<QTranslator> gameTranslator;
QPointer<QTranslator> qtTranslator;

// English is the language the texts are written in: nothing to load.
bool IsSourceLanguage(const QString& language) {
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
           language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           language.startsWith(QLatin1String("en_"), Qt::CaseInsensitive);
}

// "pexora_pt_PT" is tried, then "pexora_pt"; a variant of a language without
// a file of its own ("pt_PT") then takes the variant the game has ("pt_BR").
bool LoadGame(QTranslator& game, const QString& language) {
    const QString folder = QStringLiteral(":/i18n");
    if (game.load(QStringLiteral("pexora_") + language, folder)) return true;
    const QStringList variants = QDir(folder).entryList(
        {QStringLiteral("pexora_") + language.section(QLatin1Char('_'), 0, 0) + QStringLiteral("_*.qm")}, QDir::Files, QDir::Name);
    return !variants.isEmpty() && game.load(variants.first(), folder);
}

}  // namespace

namespace Translations {

void Uninstall() {
    for (QPointer<QTranslator>* slot : {&gameTranslator, &qtTranslator}) {
        if (!slot->isNull()) {
            QCoreApplication::removeTranslator(slot->data());
            delete slot->data();
        }
    }
}

QString InstallForLanguages(const QStringList& languages) {
    Uninstall();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // The first language the player names that the game can speak wins;
        // English before any other means English.
        if (IsSourceLanguage(language)) return {};
        auto* game = new QTranslator(QCoreApplication::instance());
        if (!LoadGame(*game, language)) {
            delete game;
            continue;
        }
        QCoreApplication::installTranslator(game);
        gameTranslator = game;
        // Qt's own strings in the same language ("qtbase_pt_BR", else
        // "qtbase_pt"), when the system has them (qt6-translations-l10n);
        // without them only Qt's buttons stay English.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + game->language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            qtTranslator = qt;
        } else {
            delete qt;
        }
        return game->language().section(QLatin1Char('_'), 0, 0);
    }
    return {};
}

QString InstalledLanguage() { return gameTranslator.isNull() ? QString() : gameTranslator->language(); }

QString InstallForSystemLocale() { return InstallForLanguages(QLocale::system().uiLanguages()); }

}  // namespace Translations
