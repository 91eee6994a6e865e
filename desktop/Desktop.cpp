#include "Desktop.h"

#include "ErrorTrap.h"
#include "StoreFile.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// ---- Ending by signal
// The handler only notes the signal and writes a byte to a socket; the event
// loop reads it and closes the window. A logout may send SIGTERM and SIGHUP
// together, and the pair still saves; the same signal again, or any signal
// more than 2 seconds after the first, ends the program at once, so that a
// save stuck on a slow disk never holds up a logout.

volatile std::sig_atomic_t g_endSignal = 0;
struct timespec g_firstSignalTime = {};
int g_signalSocket[2] = {-1, -1};

extern "C" void NoteEndSignal(int signal) {
    const int savedErrno = errno;
    struct timespec now = {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    if (g_endSignal != 0 && (g_endSignal == signal || now.tv_sec - g_firstSignalTime.tv_sec > 2 ||
                             (now.tv_sec - g_firstSignalTime.tv_sec == 2 && now.tv_nsec > g_firstSignalTime.tv_nsec))) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    if (g_endSignal == 0) {
        g_firstSignalTime = now;
        g_endSignal = signal;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket[1], &byte, 1);
    errno = savedErrno;
}

// On the signal and session roads nobody may be there to answer a box: a
// failed save is said once on stderr.
void ReportOnStderrOnce() {
    SetErrorSink([told = false](int number, const QString& description) mutable {
        if (std::exchange(told, true)) return;
        std::fprintf(stderr, "Pexora: %s\n", qPrintable(ErrorReportText(number, description).replace(QChar(13), QChar(10))));
    });
}

// ---- Sizes a compositor gives
// Qt's own title bar on Wayland offers maximise whatever a window's flags
// say, and a compositor such as weston ends the connection of a client whose
// window does not take the exact size of a maximised state. The request
// comes before the compositor's answer, so the limits are lifted while it
// is on its way.

const char* const LiftedMinimum = "pexoraLiftedMinimum";
const char* const LiftedMaximum = "pexoraLiftedMaximum";
const char* const LiftedConstraint = "pexoraLiftedConstraint";
const char* const Watched = "pexoraSizesWatched";

bool WantsWholeArea(Qt::WindowStates states) { return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0; }

void LiftLimits(QWidget* window) {
    if (window->property(LiftedMinimum).isValid()) return;
    window->setProperty(LiftedMinimum, window->minimumSize());
    window->setProperty(LiftedMaximum, window->maximumSize());
    if (QLayout* layout = window->layout()) {
        window->setProperty(LiftedConstraint, static_cast<int>(layout->sizeConstraint()));
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void RestoreLimits(QWidget* window) {
    if (!window->property(LiftedMinimum).isValid()) return;
    const QSize minimum = window->property(LiftedMinimum).toSize();
    const QSize maximum = window->property(LiftedMaximum).toSize();
    const QVariant constraint = window->property(LiftedConstraint);
    for (const char* name : {LiftedMinimum, LiftedMaximum, LiftedConstraint}) window->setProperty(name, QVariant());
    window->setMinimumSize(minimum);
    window->setMaximumSize(maximum);
    if (QLayout* layout = window->layout(); layout != nullptr && constraint.isValid())
        layout->setSizeConstraint(static_cast<QLayout::SizeConstraint>(constraint.toInt()));
}

class CompositorSizes final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Resize) return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (window == nullptr || !window->isWindow() || window->windowHandle() == nullptr) return false;
        QWindow* handle = window->windowHandle();
        if (type == QEvent::Show && !handle->property(Watched).isValid()) {
            handle->setProperty(Watched, true);
            connect(handle, &QWindow::windowStateChanged, this, [target = QPointer<QWidget>(window)](Qt::WindowState state) {
                if (target != nullptr && WantsWholeArea(state)) LiftLimits(target);
            });
        } else if (type == QEvent::Resize && !WantsWholeArea(handle->windowStates())) {
            // Back in the normal state at the size it had before.
            RestoreLimits(window);
        }
        return false;
    }
};

}  // namespace

void Desktop::PauseUntilEnding::Pause(double seconds) {
    if (!EndSignalReceived()) m_clock.Pause(seconds);
}

void Desktop::SoundUntilEnding::PlayWaveResource(const QString& name) {
    if (!EndSignalReceived()) m_player.PlayWaveResource(name);
}

void Desktop::SaveAtSessionEnd(QObject& owner, std::function<void()> save) {
    // A session that ends saves first; should the logout be cancelled, the
    // close saves again whatever changed since.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(app, &QGuiApplication::commitDataRequest, &owner, [save = std::move(save)](QSessionManager&) {
            // Whether or not the session allows interaction, this road shows nothing.
            ErrorSink previous = SetErrorSink({});
            ReportOnStderrOnce();
            {
                const StoreEnding ending;
                save();
            }
            SetErrorSink(std::move(previous));
        });
}

QObject* Desktop::WatchCompositorSizes() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
    auto* watcher = new CompositorSizes(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
    return watcher;
}

bool Desktop::EndSignalReceived() { return g_endSignal != 0; }

bool Desktop::TakeEndSignals() {
    if (g_signalSocket[0] >= 0) return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalSocket) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = &NoteEndSignal;
    // Each of the three waits while another's handler runs: one ending
    // signal never interrupts another half-way through its note.
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    bool caught = true;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) caught = ::sigaction(signal, &action, nullptr) == 0 && caught;
    return caught;
}

bool Desktop::CloseOnEndSignals(QWidget& window) {
    if (!TakeEndSignals()) return false;
    // A signal taken before the window was there is in the socket already.
    auto* notifier = new QSocketNotifier(g_signalSocket[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        char bytes[16];
        while (::read(g_signalSocket[0], bytes, sizeof bytes) > 0) {
        }
        notifier->setEnabled(false);
        ReportOnStderrOnce();
        // The close box's road: settings saved, the other windows unloaded.
        window.close();
        // Also when the window was never shown, and from inside a dialog.
        QCoreApplication::exit(0);
    });
    return true;
}
