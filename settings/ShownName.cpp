#include "ShownName.h"

#include "DisplayName.h"

#include <QCoreApplication>

namespace {

QString DefaultName(int player) { return QStringLiteral("Player %1").arg(player); }

}  // namespace

QString TranslatedName(const QString& name) {
    for (int player : {1, 2}) {
        if (name == DefaultName(player)) return QCoreApplication::translate("frmMain", "Player %1").arg(player);
    }
    return name;
}

QString StoredName(const QString& text, int player) {
    return text == TranslatedName(DefaultName(player)) ? DefaultName(player) : text;
}

QString ShownName(const QString& name) { return DisplayName(TranslatedName(name)); }
