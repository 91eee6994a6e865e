#include "UnsavedWriter.h"

#include "ErrorTrap.h"
#include "SettingsStore.h"

#include <utility>

UnsavedWriter::UnsavedWriter(QString appName, int boundMs, QObject* parent)
    : QObject(parent), m_appName(std::move(appName)), m_boundMs(boundMs) {
    m_tries.setInterval(100);
    connect(&m_tries, &QTimer::timeout, this, [this] {
        const bool settled = TryNow();
        // An error box shown by the try runs events: a close may have stopped the tries.
        if (!m_tries.isActive() || (!settled && !m_bound.hasExpired())) return;
        m_tries.stop();
        emit Settled();
    });
}

bool UnsavedWriter::Start() {
    if (m_tries.isActive()) return true;
    if (TryNow()) return false;
    m_bound.setRemainingTime(m_boundMs);
    m_tries.start();
    return true;
}

bool UnsavedWriter::TryNow() const {
    bool written = false;
    // A store that cannot be written is reported once, not at every try.
    const bool ok = Trap([&] { written = TryWriteUnsavedChanges(m_appName); });
    return written || !ok;
}
