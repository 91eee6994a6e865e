// The program's own version record: an ELF note of the owner "Pexora" whose
// text is the version, found with `readelf -n` in the installed program
// (stripping keeps it: the note is part of the loaded image).

#include <cstdint>

namespace {

constexpr std::uint32_t kVersionNoteType = 1;
constexpr char kOwner[] = "Pexora";
constexpr char kVersion[] = PEXORA_VERSION;

// Name and text are each padded to four bytes, as every ELF note is.
constexpr std::uint32_t Padded(std::uint32_t size) { return (size + 3) / 4 * 4; }

struct VersionNote {
    std::uint32_t nameSize;
    std::uint32_t textSize;
    std::uint32_t type;
    char name[Padded(sizeof kOwner)];
    char text[Padded(sizeof kVersion)];
};

[[gnu::used, gnu::section(".note.pexora.version"), gnu::aligned(4)]]
const VersionNote versionNote = {sizeof kOwner, sizeof kVersion, kVersionNoteType, "Pexora", PEXORA_VERSION};

}  // namespace
