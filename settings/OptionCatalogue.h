#pragma once
// The one declarative place for every stored option: its key, its default,
// the values it accepts, and the captions the options dialog shows for them.

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <string_view>

namespace Options {

// One of the texts below as a QString (they are all plain ASCII).
inline QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline constexpr std::string_view ApplicationName = "Pexora";
inline constexpr std::string_view SettingsSection = "Game Settings";

struct Choice {
    std::string_view stored;   // the text kept in the store and in memory
    std::string_view caption;  // the option button's caption (English; shown translated in the context "Options")
};

// Picture categories, in the order of the dialog's option buttons (index 1..17).
inline constexpr std::array<Choice, 17> ImageCategories{{
    {"ANIMAL", QT_TRANSLATE_NOOP("Options", "Animals")},
    {"BUILDING", QT_TRANSLATE_NOOP("Options", "Buildings")},
    {"BUSINESS", QT_TRANSLATE_NOOP("Options", "Business")},
    {"COMMUN", QT_TRANSLATE_NOOP("Options", "Communication")},
    {"COMPUTER", QT_TRANSLATE_NOOP("Options", "Computer")},
    {"CURRENCY", QT_TRANSLATE_NOOP("Options", "Currency")},
    {"FLAG", QT_TRANSLATE_NOOP("Options", "Flags")},
    {"FOOD", QT_TRANSLATE_NOOP("Options", "Food")},
    {"HARDWARE", QT_TRANSLATE_NOOP("Options", "Hardware")},
    {"HOUSE", QT_TRANSLATE_NOOP("Options", "Household")},
    {"MUSIC", QT_TRANSLATE_NOOP("Options", "Music")},
    {"PLANT", QT_TRANSLATE_NOOP("Options", "Plants")},
    {"SCIENCE", QT_TRANSLATE_NOOP("Options", "Science")},
    {"SHAPE", QT_TRANSLATE_NOOP("Options", "Shapes")},
    {"SIGN", QT_TRANSLATE_NOOP("Options", "Signs")},
    {"SPORT", QT_TRANSLATE_NOOP("Options", "Sports")},
    {"TRANSPORT", QT_TRANSLATE_NOOP("Options", "Transportation")},
}};

// Tile colours, in the order of the dialog's option buttons (index 1..5).
inline constexpr std::array<Choice, 5> TileColors{{
    {"BLUE", QT_TRANSLATE_NOOP("Options", "Blue")},
    {"GREEN", QT_TRANSLATE_NOOP("Options", "Green")},
    {"PURPLE", QT_TRANSLATE_NOOP("Options", "Purple")},
    {"RED", QT_TRANSLATE_NOOP("Options", "Red")},
    {"YELLOW", QT_TRANSLATE_NOOP("Options", "Yellow")},
}};

inline constexpr std::array<Choice, 2> Boards{{
    {"30", QT_TRANSLATE_NOOP("Options", "Small")},
    {"60", QT_TRANSLATE_NOOP("Options", "Large")},
}};
inline constexpr std::array<Choice, 2> Levels{{
    {"2", QT_TRANSLATE_NOOP("Options", "Match 2 Tiles")},
    {"3", QT_TRANSLATE_NOOP("Options", "Match 3 Tiles")},
}};
inline constexpr std::array<Choice, 2> Players{{
    {"1", QT_TRANSLATE_NOOP("Options", "One")},
    {"2", QT_TRANSLATE_NOOP("Options", "Two")},
}};
inline constexpr std::array<Choice, 2> Sounds{{
    {"True", QT_TRANSLATE_NOOP("Options", "On")},
    {"False", QT_TRANSLATE_NOOP("Options", "Off")},
}};

// 1-based index of a stored value in a catalogue (the number of its option
// button), 0 when the value is not one of the catalogue's.
template <std::size_t N>
int IndexOfStored(const std::array<Choice, N>& choices, const QString& stored) {
    const auto it = std::find_if(choices.begin(), choices.end(), [&](const Choice& c) { return Text(c.stored) == stored; });
    return it == choices.end() ? 0 : static_cast<int>(it - choices.begin()) + 1;
}

// Keys of "Game Settings" in the order they are read and written.
inline constexpr std::string_view KeyImages = "Images";
inline constexpr std::string_view KeyLevel = "Level";
inline constexpr std::string_view KeyPlayerCount = "Player Count";
inline constexpr std::string_view KeyPlayerPrefix = "Player ";  // + 1 or 2
inline constexpr std::string_view KeySounds = "Sounds";
inline constexpr std::string_view KeyTileColor = "Tile Color";
inline constexpr std::string_view KeyTileCount = "Tile Count";

inline constexpr std::string_view DefaultImages = "ANIMAL";
inline constexpr std::string_view DefaultLevel = "2";
inline constexpr std::string_view DefaultPlayerCount = "1";
inline constexpr std::string_view DefaultSounds = "True";
inline constexpr std::string_view DefaultTileColor = "BLUE";
inline constexpr std::string_view DefaultTileCount = "30";

// A player name is 1 to this many characters when loaded; the dialog's
// name boxes accept at most this many (counted as QString::size()).
inline constexpr int MaxNameLength = 25;

}  // namespace Options
