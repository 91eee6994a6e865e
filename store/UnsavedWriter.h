#pragma once
// Writes the changes another game's lock kept out of the store
// (StoreUnsaved.h) once that game lets go: the lock is tried every tenth of
// a second and never waited for, so the event loop runs on and the window
// paints and answers. After the bound, what is still kept waits for the
// next save or start.

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class UnsavedWriter final : public QObject {
    Q_OBJECT
public:
    UnsavedWriter(QString appName, int boundMs, QObject* parent = nullptr);

    // Writes the kept changes now if it can, and false then (also when none
    // are kept); otherwise starts trying and returns true. Starting while
    // it tries goes on with the same bound.
    bool Start();
    bool IsActive() const { return m_tries.isActive(); }
    // Stops trying, without Settled: what is kept is the next save's.
    void Stop() { m_tries.stop(); }

signals:
    // Written, left for later at the bound, or given up at an error (reported).
    void Settled();

private:
    // True when nothing is left to try: written, or an error reported.
    bool TryNow() const;

    QString m_appName;
    int m_boundMs;
    QTimer m_tries;
    QDeadlineTimer m_bound;
};
