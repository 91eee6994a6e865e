#pragma once
// The one declarative place for every stored option: its key, its default,
// the values it accepts, and the captions the options dialog shows for them.

#include <array>
#include <string_view>

namespace Options {

inline constexpr std::string_view ApplicationName = "Pexora";
inline constexpr std::string_view SettingsSection = "Game Settings";

struct Choice {
    std::string_view stored;   // the text kept in the store and in memory
    std::string_view caption;  // the option button's caption
};

// Picture categories, in the order of the dialog's option buttons (index 1..17).
inline constexpr std::array<Choice, 17> ImageCategories{{
    {"ANIMAL", "Animals"},     {"BUILDING", "Buildings"}, {"BUSINESS", "Business"},
    {"COMMUN", "Communication"}, {"COMPUTER", "Computer"}, {"CURRENCY", "Currency"},
    {"FLAG", "Flags"},         {"FOOD", "Food"},           {"HARDWARE", "Hardware"},
    {"HOUSE", "Household"},    {"MUSIC", "Music"},         {"PLANT", "Plants"},
    {"SCIENCE", "Science"},    {"SHAPE", "Shapes"},        {"SIGN", "Signs"},
    {"SPORT", "Sports"},       {"TRANSPORT", "Transportation"},
}};

// Tile colours, in the order of the dialog's option buttons (index 1..5).
inline constexpr std::array<Choice, 5> TileColors{{
    {"BLUE", "Blue"}, {"GREEN", "Green"}, {"PURPLE", "Purple"}, {"RED", "Red"}, {"YELLOW", "Yellow"},
}};

inline constexpr std::array<Choice, 2> Boards{{{"30", "Small"}, {"60", "Large"}}};
inline constexpr std::array<Choice, 2> Levels{{{"2", "Match 2 Tiles"}, {"3", "Match 3 Tiles"}}};
inline constexpr std::array<Choice, 2> Players{{{"1", "One"}, {"2", "Two"}}};
inline constexpr std::array<Choice, 2> Sounds{{{"True", "On"}, {"False", "Off"}}};

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
