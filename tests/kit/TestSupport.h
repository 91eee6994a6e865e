#pragma once
// A private settings store for tests of the store and the windows.

#include "Doubles.h"

#include <QString>
#include <QTemporaryDir>

// Points the per-user settings store at a fresh temporary folder for the
// lifetime of the object; the real configuration is never touched.
class ScopedStore {
public:
    ScopedStore();
    ~ScopedStore();
    ScopedStore(const ScopedStore&) = delete;
    ScopedStore& operator=(const ScopedStore&) = delete;

    QString dir() const { return m_dir.path(); }
    QString iniPath() const;  // the INI file of application "Pexora"
    // Replaces the INI file's contents by hand, as a player editing it would.
    void writeRaw(const QByteArray& contents) const;
    QByteArray readRaw() const;

private:
    QTemporaryDir m_dir;
};
