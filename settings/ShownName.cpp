#include "ShownName.h"

#include "DisplayName.h"
#include "SettingsTypes.h"

#include <QCoreApplication>

QString TranslatedName(const QString& name) {
    for (int player = 1; player <= MaxPlayers; ++player) {
        if (name == DefaultPlayerName(player)) return QCoreApplication::translate("MainWindow", "Player %1").arg(player);
    }
    return name;
}

QString StoredName(const QString& text, int player) {
    return text == TranslatedName(DefaultPlayerName(player)) ? DefaultPlayerName(player) : text;
}

QString ShownName(const QString& name) { return DisplayName(TranslatedName(name)); }
