#include "GameSettings.h"

#include "ErrorTrap.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "StoreText.h"

#include <QHash>

#include <algorithm>

GameSettingsRecord GameSettings;
bool gblnPlaySound = false;
PlayerTable gudtPlayers;

namespace {

using Options::Text;

QString PlayerKey(int n) { return Text(Options::KeyPlayerPrefix) + QString::number(n); }

template <std::size_t N>
bool IsOneOf(const QString& text, const std::array<Options::Choice, N>& choices) {
    return std::any_of(choices.begin(), choices.end(),
                       [&](const Options::Choice& c) { return text == Text(c.stored); });
}

// Each key's text as this game read it from the store, present only for a
// key that was there and accepted. A save writes the keys whose text in
// memory differs from it (a missing or refused key always does), so two
// games on one store never put back each other's changes.
QHash<QString, QString> g_asRead;
QString g_readFrom;  // the store they were read from
const StoreContents* g_stored = nullptr;  // the store as read once for a load

// Reads one key; keeps the text only when accepted, else the default.
template <class Accept>
QString ReadAccepted(const QString& key, const QString& defaultText, Accept accept) {
    const QString text = g_stored->value(Text(Options::SettingsSection), key);
    if (text.isNull() || !accept(text)) return defaultText;
    g_asRead.insert(key, text);
    return text;
}
template <class Accept>
QString ReadAccepted(std::string_view key, const QString& defaultText, Accept accept) {
    return ReadAccepted(Text(key), defaultText, accept);
}

bool IsAcceptedName(const QString& name) {
    return name.size() >= 1 && name.size() <= Options::MaxNameLength;
}

void SetDefaults() {
    GameSettings.Images = Text(Options::DefaultImages);
    GameSettings.Level = static_cast<qint16>(Text(Options::DefaultLevel).toShort());
    GameSettings.PlayerCount = static_cast<qint16>(Text(Options::DefaultPlayerCount).toShort());
    for (int n = 1; n <= MaxPlayers; ++n) gudtPlayers(n).strName = DefaultPlayerName(n);
    gblnPlaySound = Text(Options::DefaultSounds) == QLatin1String("True");
    GameSettings.TileColor = Text(Options::DefaultTileColor);
    GameSettings.TileCount = static_cast<qint16>(Text(Options::DefaultTileCount).toShort());
}

}  // namespace

void LoadSettings() noexcept {
    // Every option starts at its default, so a store that fails part-way
    // still leaves a playable set of options behind the error report.
    Trap(SetDefaults);
    g_asRead.clear();
    g_readFrom = SettingsFilePath(Text(Options::ApplicationName));
    // What an earlier game could not write while another held the lock.
    Trap([] { WriteUnsavedChanges(Text(Options::ApplicationName)); });
    Trap([] {
        const StoreContents stored = ReadSettings(Text(Options::ApplicationName));
        g_stored = &stored;
        GameSettings.Images = ReadAccepted(Options::KeyImages, Text(Options::DefaultImages),
                                           [](const QString& t) { return IsOneOf(t, Options::ImageCategories); });
        GameSettings.Level = static_cast<qint16>(
            ReadAccepted(Options::KeyLevel, Text(Options::DefaultLevel),
                         [](const QString& t) { return IsOneOf(t, Options::Levels); })
                .toShort());
        GameSettings.PlayerCount = static_cast<qint16>(
            ReadAccepted(Options::KeyPlayerCount, Text(Options::DefaultPlayerCount),
                         [](const QString& t) { return IsOneOf(t, Options::Players); })
                .toShort());
        for (int n = 1; n <= MaxPlayers; ++n) {
            const QString key = PlayerKey(n);
            gudtPlayers(n).strName = ReadAccepted(key, DefaultPlayerName(n), IsAcceptedName);
        }
        gblnPlaySound = ReadAccepted(Options::KeySounds, Text(Options::DefaultSounds),
                                     [](const QString& t) { return IsOneOf(t, Options::Sounds); }) ==
                        QLatin1String("True");
        GameSettings.TileColor = ReadAccepted(Options::KeyTileColor, Text(Options::DefaultTileColor),
                                              [](const QString& t) { return IsOneOf(t, Options::TileColors); });
        GameSettings.TileCount = static_cast<qint16>(
            ReadAccepted(Options::KeyTileCount, Text(Options::DefaultTileCount),
                         [](const QString& t) { return IsOneOf(t, Options::Boards); })
                .toShort());
    });
}

void SaveSettings() noexcept {
    Trap([] {
        // The eight keys in their order; those this game changed (or never
        // read) in one replacement of the file as it stands now.
        QList<QPair<QString, QString>> keys{
            {Text(Options::KeyImages), GameSettings.Images},
            {Text(Options::KeyLevel), QString::number(GameSettings.Level)},
            {Text(Options::KeyPlayerCount), QString::number(GameSettings.PlayerCount)},
        };
        for (int n = 1; n <= MaxPlayers; ++n) keys.append({PlayerKey(n), gudtPlayers(n).strName});
        keys.append({Text(Options::KeySounds), gblnPlaySound ? QStringLiteral("True") : QStringLiteral("False")});
        keys.append({Text(Options::KeyTileColor), GameSettings.TileColor});
        keys.append({Text(Options::KeyTileCount), QString::number(GameSettings.TileCount)});
        // Another store than the one read (its folder came or changed): all of them.
        const QString store = SettingsFilePath(Text(Options::ApplicationName));
        if (store.isEmpty()) return;  // nothing can be kept
        if (store != g_readFrom) {
            g_asRead.clear();
            g_readFrom = store;
        }
        keys.removeIf([](const QPair<QString, QString>& key) {
            const auto read = g_asRead.constFind(key.first);
            return read != g_asRead.cend() && *read == key.second;
        });
        // Nothing of this game's to write: only what an earlier game kept, if the lock is free.
        if (keys.isEmpty()) return WriteUnsavedChanges(Text(Options::ApplicationName));
        SaveSettingGroup(Text(Options::ApplicationName), Text(Options::SettingsSection), keys);
        for (const auto& [key, text] : keys) g_asRead.insert(key, text);
    });
}
