#pragma once
// Stand-ins for the main window's services, and small helpers shared by the
// main-window tests.

#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "BoardImage.h"
#include "MainWindow.h"
#include "ModalWatcher.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

inline void StoreOption(const char* key, const QString& value) { SaveSetting(App, Section, QLatin1String(key), value); }
inline QString StoredOption(const char* key) { return GetSetting(App, Section, QLatin1String(key)); }

// A main window with recorded sound, no pauses and a fixed deal, over a
// private settings store. Options are stored before the window is made.
struct MainWindowHarness {
    ScopedStore store;
    ErrorRecorder errors;
    StoredScoreTables storeBook;
    PlayerChoices choices;
    ChoicesStore choiceStore;
    RecordingSound sound;
    RecordingPause pause;
    ScriptedRandom random;
    std::unique_ptr<MainWindow> window;

    MainWindowHarness() {
        QuietOffscreenPlatform();
        StoreOption("Tile Color", QStringLiteral("BLUE"));
        StoreOption("Images", QStringLiteral("ANIMAL"));
    }
    ~MainWindowHarness() {
        // Close quietly: the close runs its steps; the sounds go to the recorder.
        if (window) window->close();
    }
    MainWindow& make() {
        window = std::make_unique<MainWindow>(choices, choiceStore, sound, pause, random, storeBook);
        return *window;
    }
    // Stores the options given, makes the window, shows it and waits until it is active.
    MainWindow& open(std::initializer_list<std::pair<const char*, const char*>> options = {}) {
        for (const auto& [key, value] : options) StoreOption(key, QString::fromUtf8(value));
        make().show();
        if (!QTest::qWaitForWindowActive(window.get())) QTest::qFail("the window never became active", __FILE__, __LINE__);
        return *window;
    }
};


inline QAction* Item(const QWidget& w, const QString& name) { return Named<QAction>(w, name); }
inline QAction* Option(const QWidget& w, int i) { return w.findChildren<QAction*>(QStringLiteral("mnuOption")).value(i); }
inline BoardImage* Tile(const QWidget& w, int k) { return Named<BoardImage>(w, QStringLiteral("imgTile%1").arg(k)); }
inline BoardImage* Pic(const QWidget& w, int k) { return Named<BoardImage>(w, QStringLiteral("imgPic%1").arg(k)); }
inline QLabel* Panel(const QWidget& w, int n) { return Named<QLabel>(w, QStringLiteral("stbMainPanel%1").arg(n)); }
// The cell whose tile holds the keyboard focus; 0 for none.
inline int FocusedCell(const QWidget&) {
    auto* tile = qobject_cast<BoardImage*>(QApplication::focusWidget());
    return tile != nullptr && tile->ImageKind() == BoardImage::Kind::Tile ? tile->Index() : 0;
}

// What assistive technology reads as an object's name.
inline QString AccessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}
