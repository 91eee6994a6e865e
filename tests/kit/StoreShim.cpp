// Loaded with LD_PRELOAD into a test or a game it starts: stands between
// the store and the system's flock and rename calls. Inert unless told:
//   PEXORA_SHIM_FLOCK_ERRNO=N      every flock fails with errno N (a file
//                                  system without locks: ENOLCK, EOPNOTSUPP)
//   PEXORA_SHIM_STOP_AT=CALL       at each call CALL (flock, rename, renameat2)
//   PEXORA_SHIM_GATE=OUT:IN        one byte is written to descriptor OUT and
//                                  the call waits for one byte on IN
// so that a test stops another process at a chosen call, looks, and lets
// it go on. The variables are read at every call.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
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

}  // namespace

extern "C" {

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
    return real(fromDir, from, toDir, to, flags);
}

}  // extern "C"
