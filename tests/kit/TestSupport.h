#pragma once
// A private settings store for tests of the store and the windows, and the
// windows' parts found by name.

#include "Doubles.h"

#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

class QWidget;

// The store's application name and its section of game settings.
inline const QString App = QStringLiteral("Pexora");
inline const QString Section = QStringLiteral("Game Settings");
// A file's bytes; none when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes a whole file; gives back its path, or an empty one when it failed.
QString WriteFile(const QString& path, const QByteArray& bytes);

// Points the per-user settings store at a fresh temporary folder for the
// lifetime of the object; the real configuration is never touched. The
// folder the test began with (XDG_CONFIG_HOME) is given back at the end.
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
    QByteArray m_previous;
    bool m_hadPrevious;
};

// One key of the store, written as the game writes keys (SaveSettingGroup).
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);

// Stores one row of a score table by hand: "Name <rank>" and "<key> <rank>"
// (key "Sets" or "Time") in section, as a game or a player's editor leaves it.
void SeedScoreRow(const QString& section, const QString& key, int rank, const QString& name, const QString& score);

// The offscreen platform the tests run on cannot raise a window or hand its
// size limits to a window manager, and says so at every such request; a
// player's platform can. From this call to the end of the test run those two
// messages are dropped and every other goes on to Qt Test. Call it inside the
// run (initTestCase or a test function), after Qt Test has installed its
// handler; calling it again changes nothing.
void QuietOffscreenPlatform();

// A window's part, found by its object name as any onlooker would ("cmdApply",
// "optBoards2"); a missing part fails the test.
template <class T = QWidget>
T* Named(const QObject& w, const QString& name) {
    T* found = w.findChild<T*>(name);
    if (found == nullptr) QTest::qFail(qPrintable(QStringLiteral("no part named ") + name), __FILE__, __LINE__);
    return found;
}
// An element of a control array: "optBoards" 2 is the part named "optBoards2".
template <class T = QWidget>
T* Named(const QObject& w, const QString& array, int index) { return Named<T>(w, array + QString::number(index)); }
// Every element of a control array, in the order they were made.
template <class T = QWidget>
QList<T*> NamedArray(const QObject& w, const QString& array) {
    return w.findChildren<T*>(QRegularExpression(QStringLiteral("^%1\\d+$").arg(array)));
}
