// Loaded with LD_PRELOAD into a test or a game it starts: stands between
// the store and the system's calls. Inert unless told:
//   PEXORA_SHIM_FLOCK_ERRNO=N      every flock fails with errno N (a file
//                                  system without locks: ENOLCK, EOPNOTSUPP)
//   PEXORA_SHIM_FCHMOD_ERRNO=N     every fchmod and chmod fails with N (FAT:
//                                  EPERM; exFAT through FUSE: ENOSYS)
//   PEXORA_SHIM_LINK_ERRNO=N       every link fails with N (no hard links)
//   PEXORA_SHIM_RENAMEAT2_ERRNO=N[@K]  renameat2 fails with N: every call,
//                                  or only the K-th since the value was set
//                                  (FUSE and FAT: EINVAL, no exchange)
//   PEXORA_SHIM_ROOM=BYTES         the disk has room for this many more
//                                  bytes written to regular files, counted
//                                  since the value was set; past it ENOSPC
//   PEXORA_SHIM_SWAP_IN=PATH       at the next renameat2, before it, PATH is
//                                  renamed onto its target (another program
//                                  replacing the store); then unset
//   PEXORA_SHIM_STOP_AT=CALL       at each call CALL (flock, rename, renameat2)
//   PEXORA_SHIM_GATE=OUT:IN        one byte is written to descriptor OUT and
//                                  the call waits for one byte on IN
// so that a test stops another process at a chosen call, looks, and lets
// it go on. The variables are read at every call.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// Stops at the gate when this is the call asked for.
void Gate(const char* call) {
    const char* at = std::getenv("PEXORA_SHIM_STOP_AT");
    const char* gate = std::getenv("PEXORA_SHIM_GATE");
    if (at == nullptr || gate == nullptr || std::strcmp(at, call) != 0) return;
    int out = -1, in = -1;
    if (std::sscanf(gate, "%d:%d", &out, &in) != 2) return;
    const char byte = 's';
    while (::write(out, &byte, 1) < 0 && errno == EINTR) {
    }
    char answer = 0;
    while (::read(in, &answer, 1) < 0 && errno == EINTR) {
    }
}

// The errno a call is told to fail with, 0 when none.
int Failure(const char* variable) {
    const char* failure = std::getenv(variable);
    return failure != nullptr && *failure != '\0' ? std::atoi(failure) : 0;
}

// A sum kept for a variable since it took its present value.
struct Tally {
    std::string seen;
    long sum = 0;
};
long Add(const char* variable, Tally& tally, long amount) {
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    const char* value = std::getenv(variable);
    if (const std::string now = value != nullptr ? value : ""; now != tally.seen) {
        tally.seen = now;
        tally.sum = 0;
    }
    return tally.sum += amount;
}

}  // namespace

extern "C" {

int fchmod(int fd, mode_t mode) {
    static const auto real = Next<int (*)(int, mode_t)>("fchmod");
    if (const int failure = Failure("PEXORA_SHIM_FCHMOD_ERRNO")) return errno = failure, -1;
    return real(fd, mode);
}

int chmod(const char* path, mode_t mode) {
    static const auto real = Next<int (*)(const char*, mode_t)>("chmod");
    if (const int failure = Failure("PEXORA_SHIM_FCHMOD_ERRNO")) return errno = failure, -1;
    return real(path, mode);
}

int link(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("link");
    if (const int failure = Failure("PEXORA_SHIM_LINK_ERRNO")) return errno = failure, -1;
    return real(from, to);
}

ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    static Tally used;
    const char* room = std::getenv("PEXORA_SHIM_ROOM");
    struct stat info {};
    if (room == nullptr || *room == '\0' || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (!used.seen.empty()) Add("PEXORA_SHIM_ROOM", used, 0);  // unset: the next value counts afresh
        return real(fd, data, size);
    }
    const long left = std::atol(room) - Add("PEXORA_SHIM_ROOM", used, 0);
    if (left <= 0) return errno = ENOSPC, -1;
    const ssize_t written = real(fd, data, std::min<size_t>(size, size_t(left)));
    if (written > 0) Add("PEXORA_SHIM_ROOM", used, written);
    return written;
}

int flock(int fd, int operation) {
    static const auto real = Next<int (*)(int, int)>("flock");
    Gate("flock");
    if (const char* failure = std::getenv("PEXORA_SHIM_FLOCK_ERRNO"); failure != nullptr && *failure != '\0') {
        errno = std::atoi(failure);
        return -1;
    }
    return real(fd, operation);
}

int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    Gate("rename");
    return real(from, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    static const auto real = Next<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    Gate("renameat2");
    if (const char* swapIn = std::getenv("PEXORA_SHIM_SWAP_IN"); swapIn != nullptr && *swapIn != '\0') {
        const std::string path = swapIn;
        ::unsetenv("PEXORA_SHIM_SWAP_IN");
        real(AT_FDCWD, path.c_str(), toDir, to, 0);
    }
    static Tally calls;
    const long call = Add("PEXORA_SHIM_RENAMEAT2_ERRNO", calls, 1);
    if (const int failure = Failure("PEXORA_SHIM_RENAMEAT2_ERRNO")) {
        const char* at = std::strchr(std::getenv("PEXORA_SHIM_RENAMEAT2_ERRNO"), '@');
        if (at == nullptr || std::atol(at + 1) == call) return errno = failure, -1;
    }
    return real(fromDir, from, toDir, to, flags);
}

}  // extern "C"
