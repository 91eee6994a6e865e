#pragma once
// Shared test fixtures: a private settings store and a recorder for the
// error report.

#include "ErrorTrap.h"

#include <QList>
#include <QPair>
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

// Captures every error report instead of showing a box.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QList<QPair<int, QString>> reports;
    int count() const { return static_cast<int>(reports.size()); }

private:
    ErrorSink m_previous;
};
