#include "GameSettings.h"

#include "ErrorTrap.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "StoreText.h"

#include <algorithm>

namespace {

using Options::Text;

QString PlayerKey(int n) { return Text(Options::KeyPlayerPrefix) + QString::number(n); }

bool IsAcceptedName(const QString& name) {
    return name.size() >= 1 && name.size() <= Options::MaxNameLength;
}

PlayerChoices Defaults() {
    PlayerChoices choices;
    choices.options.Images = Text(Options::DefaultImages);
    choices.options.Level = static_cast<qint16>(Text(Options::DefaultLevel).toShort());
    choices.options.PlayerCount = static_cast<qint16>(Text(Options::DefaultPlayerCount).toShort());
    for (int n = 1; n <= MaxPlayers; ++n) choices.Name(n) = DefaultPlayerName(n);
    choices.playSound = Text(Options::DefaultSounds) == QLatin1String("True");
    choices.options.TileColor = Text(Options::DefaultTileColor);
    choices.options.TileCount = static_cast<qint16>(Text(Options::DefaultTileCount).toShort());
    return choices;
}

}  // namespace

// Reads one key; keeps the text only when accepted, else the default.
template <class Accept>
QString ChoicesStore::ReadAccepted(const StoreContents& stored, const QString& key, const QString& defaultText,
                                   Accept accept) {
    const QString text = stored.value(Text(Options::SettingsSection), key);
    if (text.isNull() || !accept(text)) return defaultText;
    m_asRead.insert(key, text);
    return text;
}

PlayerChoices ChoicesStore::Load() noexcept {
    // Every option starts at its default, so a store that fails part-way
    // still leaves a playable set of options behind the error report.
    PlayerChoices choices;
    Trap([&] { choices = Defaults(); });
    m_asRead.clear();
    m_readFrom = SettingsFilePath(Text(Options::ApplicationName));
    // What an earlier game could not write while another held the lock.
    Trap([] { WriteUnsavedChanges(Text(Options::ApplicationName)); });
    Trap([&] {
        // One read and one parse for all of them.
        const StoreContents stored = ReadSettings(Text(Options::ApplicationName));
        auto read = [&](std::string_view key, std::string_view defaultText, auto accept) {
            return ReadAccepted(stored, Text(key), Text(defaultText), accept);
        };
        auto oneOf = [](const auto& catalogue) {
            return [&catalogue](const QString& t) { return Options::IndexOfStored(catalogue, t) != 0; };
        };
        choices.options.Images = read(Options::KeyImages, Options::DefaultImages, oneOf(Options::ImageCategories));
        choices.options.Level =
            static_cast<qint16>(read(Options::KeyLevel, Options::DefaultLevel, oneOf(Options::Levels)).toShort());
        choices.options.PlayerCount = static_cast<qint16>(
            read(Options::KeyPlayerCount, Options::DefaultPlayerCount, oneOf(Options::Players)).toShort());
        for (int n = 1; n <= MaxPlayers; ++n)
            choices.Name(n) = ReadAccepted(stored, PlayerKey(n), DefaultPlayerName(n), IsAcceptedName);
        choices.playSound =
            read(Options::KeySounds, Options::DefaultSounds, oneOf(Options::Sounds)) == QLatin1String("True");
        choices.options.TileColor = read(Options::KeyTileColor, Options::DefaultTileColor, oneOf(Options::TileColors));
        choices.options.TileCount =
            static_cast<qint16>(read(Options::KeyTileCount, Options::DefaultTileCount, oneOf(Options::Boards)).toShort());
    });
    return choices;
}

void ChoicesStore::Save(const PlayerChoices& choices) noexcept {
    Trap([&] {
        // The eight keys in their order; those this game changed (or never
        // read) in one replacement of the file as it stands now.
        QList<QPair<QString, QString>> keys{
            {Text(Options::KeyImages), choices.options.Images},
            {Text(Options::KeyLevel), QString::number(choices.options.Level)},
            {Text(Options::KeyPlayerCount), QString::number(choices.options.PlayerCount)},
        };
        for (int n = 1; n <= MaxPlayers; ++n) keys.append({PlayerKey(n), choices.Name(n)});
        keys.append({Text(Options::KeySounds), choices.playSound ? QStringLiteral("True") : QStringLiteral("False")});
        keys.append({Text(Options::KeyTileColor), choices.options.TileColor});
        keys.append({Text(Options::KeyTileCount), QString::number(choices.options.TileCount)});
        // Another store than the one read (its folder came or changed): all of them.
        const QString store = SettingsFilePath(Text(Options::ApplicationName));
        if (store.isEmpty()) return;  // nothing can be kept
        if (store != m_readFrom) {
            m_asRead.clear();
            m_readFrom = store;
        }
        keys.removeIf([&](const QPair<QString, QString>& key) {
            const auto read = m_asRead.constFind(key.first);
            return read != m_asRead.cend() && *read == key.second;
        });
        // Nothing of this game's to write: only what an earlier game kept, if the lock is free.
        if (keys.isEmpty()) return WriteUnsavedChanges(Text(Options::ApplicationName));
        SaveSettingGroup(Text(Options::ApplicationName), Text(Options::SettingsSection), keys);
        for (const auto& [key, text] : keys) m_asRead.insert(key, text);
    });
}
