#pragma once
// Shared by the start-up programs: notes the first paint of a main window
// and reports it on stdout, then ends the process at once so that the peak
// resident memory the launcher reads is the memory of a started window.
// With BENCH_END_AT_MAP=1 in the environment the process ends instead when
// the window is first exposed (mapped on the screen), before its first
// paint: the point up to which run_all.sh counts a start-up's instructions.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace bench {

inline long long NowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Prints "mark <name> <monotonic ns>" on stderr, for a breakdown of where
// start-up time goes; the launcher passes it through when asked.
inline void Mark(const char* name) {
    std::fprintf(stderr, "mark %s %lld\n", name, NowNs(CLOCK_MONOTONIC));
}

class FirstPaintReporter final : public QObject {
public:
    explicit FirstPaintReporter(QWidget* window)
        : m_window(window), m_endAtMap(qEnvironmentVariableIntValue("BENCH_END_AT_MAP") == 1) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_endAtMap) {
            if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle() != nullptr)
                m_window->windowHandle()->installEventFilter(this);
            if (watched == m_window->windowHandle() && event->type() == QEvent::Expose &&
                m_window->windowHandle()->isExposed()) {
                std::printf("mapped monotonic-ns %lld\n", NowNs(CLOCK_MONOTONIC));
                std::fflush(stdout);
                _exit(0);
            }
            return false;
        }
        if (!m_seen && watched == m_window && event->type() == QEvent::Paint) {
            m_seen = true;
            const long long mono = NowNs(CLOCK_MONOTONIC);
            const long long real = NowNs(CLOCK_REALTIME);
            // Leave once the paint has been handled and flushed.
            QTimer::singleShot(0, [mono, real] {
                std::printf("first-paint monotonic-ns %lld realtime-ns %lld\n", mono, real);
                std::fflush(stdout);
                std::fflush(stderr);
                _exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_endAtMap;
    bool m_seen = false;
};

}  // namespace bench
