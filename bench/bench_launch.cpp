// Starts programs and measures them from outside: the time from just before
// exec to the first paint the program reports, and its peak resident memory
// and CPU time as wait4 returns them (the CPU time hardly changes with the
// load of a shared machine, the time to the first paint does). Runs the programs in turn, one run each per round,
// so that both see the same machine.
//
//   bench_launch RUNS LABEL=PROGRAM [LABEL=PROGRAM ...]
//       each PROGRAM is run as "PROGRAM startup" RUNS times; prints
//       "startup LABEL runs N median-ms T min-ms A max-ms B rss-median-mb M
//       cpu-median-ms C"
//   bench_launch breakdown RUNS PROGRAM
//       runs "PROGRAM startup --breakdown" and prints the median time from
//       exec to each "mark" the program writes on stderr
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string ReadAll(int fd) {
    std::string out;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) break;
        out.append(buffer, static_cast<size_t>(got));
    }
    return out;
}

struct Run {
    bool ok = false;
    double ms = 0;        // exec to first paint
    double rssMb = 0;     // peak resident set
    double cpuMs = 0;     // user and system time to the exit after the first paint
    std::map<std::string, double> marks;  // exec to each mark, ms
};

Run RunOnce(const std::string& program, bool breakdown) {
    Run run;
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return run;
    const long long start = NowNs();
    const pid_t pid = fork();
    if (pid < 0) return run;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        close(err[0]);
        close(err[1]);
        std::vector<char*> args{const_cast<char*>(program.c_str()), const_cast<char*>("startup")};
        if (breakdown) args.push_back(const_cast<char*>("--breakdown"));
        args.push_back(nullptr);
        execv(program.c_str(), args.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    // The child writes little; reading stdout to its end, then stderr, cannot block it.
    const std::string text = ReadAll(out[0]);
    const std::string errors = ReadAll(err[0]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.rssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    const size_t at = text.find("first-paint monotonic-ns ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_launch: %s gave no first paint (status %d)\n%s", program.c_str(), status,
                     errors.c_str());
        return run;
    }
    const long long painted = std::atoll(text.c_str() + at + std::strlen("first-paint monotonic-ns "));
    run.ms = static_cast<double>(painted - start) / 1e6;
    std::istringstream lines(errors);
    std::string word, name;
    long long ns = 0;
    while (lines >> word) {
        if (word == "mark" && lines >> name >> ns) run.marks[name] = static_cast<double>(ns - start) / 1e6;
    }
    run.ok = true;
    return run;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 4 && std::strcmp(argv[1], "breakdown") == 0) {
        const int runs = std::max(1, std::atoi(argv[2]));
        std::map<std::string, std::vector<double>> marks;
        std::vector<double> paints;
        for (int i = 0; i < runs; ++i) {
            const Run run = RunOnce(argv[3], true);
            if (!run.ok) continue;
            for (const auto& [name, ms] : run.marks) marks[name].push_back(ms);
            paints.push_back(run.ms);
        }
        for (const auto& [name, values] : marks) std::printf("mark %s median-ms %.2f\n", name.c_str(), Median(values));
        std::printf("mark first-paint median-ms %.2f\n", Median(paints));
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_launch RUNS LABEL=PROGRAM...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    struct Subject {
        std::string label, program;
        std::vector<double> ms, rss, cpu;
    };
    std::vector<Subject> subjects;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) continue;
        subjects.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}, {}});
    }
    // One warm-up run each, not counted: the first start reads the libraries from disk.
    for (Subject& s : subjects) RunOnce(s.program, false);
    for (int i = 0; i < runs; ++i) {
        for (Subject& s : subjects) {
            const Run run = RunOnce(s.program, false);
            if (!run.ok) continue;
            s.ms.push_back(run.ms);
            s.rss.push_back(run.rssMb);
            s.cpu.push_back(run.cpuMs);
        }
    }
    int failed = 0;
    for (const Subject& s : subjects) {
        if (s.ms.empty()) {
            ++failed;
            continue;
        }
        std::printf("startup %s runs %zu median-ms %.2f min-ms %.2f max-ms %.2f rss-median-mb %.2f cpu-median-ms %.2f\n",
                    s.label.c_str(),
                    s.ms.size(), Median(s.ms), *std::min_element(s.ms.begin(), s.ms.end()),
                    *std::max_element(s.ms.begin(), s.ms.end()), Median(s.rss), Median(s.cpu));
    }
    return failed ? 1 : 0;
}
