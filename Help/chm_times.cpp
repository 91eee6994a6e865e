// chm_times FILE: sets the two times that chmcmd writes into a help file it
// compiles to one that does not change from build to build, so that the same
// sources always give the same file. Both are the time of day of the
// compilation in milliseconds since midnight: one in the file's header (big
// endian), one in the record of code 10 of its #SYSTEM file (little endian).
// They become the time of day of SOURCE_DATE_EPOCH (UTC), or midnight where
// that is not set. No reader of ours looks at them.
//
// Exit status 0 if both were set, 1 if the file is not laid out as chmcmd
// lays it out (a version 3 header, #SYSTEM stored uncompressed, one record
// of code 10), 2 for a wrong call or an unreadable SOURCE_DATE_EPOCH.

#include <chm_lib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t HeaderTimeAt = 0x10;    // in the ITSF header
constexpr std::uint32_t ContentOffsetAt = 0x58; // where section 0's data begins (version 3)
constexpr std::uint32_t HeaderSize = 0x60;
constexpr std::uint16_t TimeRecordCode = 10;
constexpr std::uint64_t MaxSystemSize = 1024 * 1024;

std::uint64_t ReadLittle(const unsigned char* p, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

void WriteLittle32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void WriteBig32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[3 - i] = static_cast<unsigned char>(value >> (8 * i));
}

// The time of day of SOURCE_DATE_EPOCH in milliseconds, 0 without it; false
// if it is set to something other than a number of seconds.
bool TimeOfDay(std::uint32_t& millis) {
    millis = 0;
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch || !*epoch) return true;
    char* end = nullptr;
    errno = 0;
    const unsigned long long seconds = std::strtoull(epoch, &end, 10);
    if (errno || *end || *epoch == '-') return false;
    millis = static_cast<std::uint32_t>(seconds % 86400 * 1000);
    return true;
}

// Where #SYSTEM lies in the file and how long it is, as chmlib finds it.
bool FindSystem(const char* path, std::uint64_t& start, std::uint64_t& length) {
    chmFile* chm = chm_open(path);
    if (!chm) return false;
    chmUnitInfo unit{};
    const bool found = chm_resolve_object(chm, "/#SYSTEM", &unit) == CHM_RESOLVE_SUCCESS && unit.space == CHM_UNCOMPRESSED;
    chm_close(chm);
    start = unit.start;
    length = unit.length;
    return found && length <= MaxSystemSize;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t millis = 0;
    if (argc != 2) {
        std::fputs("usage: chm_times FILE\n", stderr);
        return 2;
    }
    if (!TimeOfDay(millis)) {
        std::fputs("chm_times: SOURCE_DATE_EPOCH is not a number of seconds\n", stderr);
        return 2;
    }
    const char* path = argv[1];
    auto fail = [path](const char* why) {
        std::fprintf(stderr, "chm_times: %s: %s\n", path, why);
        return 1;
    };

    std::uint64_t systemStart = 0, systemLength = 0;
    if (!FindSystem(path, systemStart, systemLength)) return fail("no uncompressed #SYSTEM file");

    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    unsigned char header[HeaderSize];
    if (!file.read(reinterpret_cast<char*>(header), HeaderSize)) return fail("cannot read the header");
    if (std::string(reinterpret_cast<char*>(header), 4) != "ITSF" || ReadLittle(header + 4, 4) != 3 ||
        ReadLittle(header + 8, 4) != HeaderSize)
        return fail("not a version 3 help file");
    const std::uint64_t systemAt = ReadLittle(header + ContentOffsetAt, 8) + systemStart;

    std::vector<unsigned char> system(systemLength);
    file.seekg(static_cast<std::streamoff>(systemAt));
    if (!file.read(reinterpret_cast<char*>(system.data()), static_cast<std::streamsize>(system.size())))
        return fail("cannot read #SYSTEM");
    // A version number, then records: code, length, data.
    int timeRecords = 0;
    for (std::size_t at = 4; at + 4 <= system.size();) {
        const auto code = ReadLittle(&system[at], 2);
        const auto size = ReadLittle(&system[at + 2], 2);
        if (at + 4 + size > system.size()) return fail("#SYSTEM ends inside a record");
        if (code == TimeRecordCode && size == 4) {
            WriteLittle32(&system[at + 4], millis);
            ++timeRecords;
        }
        at += 4 + size;
    }
    if (timeRecords != 1) return fail("#SYSTEM holds no single time record");

    WriteBig32(header + HeaderTimeAt, millis);
    file.seekp(0);
    file.write(reinterpret_cast<char*>(header), HeaderSize);
    file.seekp(static_cast<std::streamoff>(systemAt));
    file.write(reinterpret_cast<char*>(system.data()), static_cast<std::streamsize>(system.size()));
    return file.flush() ? 0 : fail("cannot write");
}
