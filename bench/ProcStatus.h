#pragma once
// What the kernel says of this process's memory.

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM", "RssAnon", "RssFile").
inline long StatusKb(const char* field) {
    long kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const std::size_t n = std::strlen(field);
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, field, n) == 0 && line[n] == ':') kb = std::atol(line + n + 1);
        std::fclose(f);
    }
    return kb;
}

}  // namespace bench
