// The game on a poor machine: no sound device, no help file, pictures or
// tile frames missing from the resources. The game goes on; the most it
// shows is the error report.
#include <QtTest>

#include "../mainwindow/MainWindowTestKit.h"
#include "BoardImage.h"
#include "ErrorTrap.h"
#include "GameSettings.h"
#include "basHelp.h"
#include "basWave.h"

#include <QElapsedTimer>

namespace {

// Plays a whole game on the board as dealt, each set found at once.
void PlayToTheEnd(frmMain& w) {
    GameEngine& e = w.Engine();
    const int n = GameSettings.TileCount;
    for (int k = 1; k <= n; ++k) {
        if (!e.Cell(k).TileEnabled) continue;
        const QString tag = e.Cell(k).Tag;
        for (int j = k; j <= n; ++j)
            if (e.Cell(j).Tag == tag && e.Cell(j).TileEnabled && !e.Cell(j).FaceVisible)
                e.TileClicked(static_cast<qint16>(j));
    }
}

QList<int> Numbers(const ErrorRecorder& errors) {
    QList<int> out;
    for (const auto& r : errors.reports) out << r.first;
    return out;
}

}  // namespace

class DegradedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Before anything in this process touches SDL: a driver that does not exist.
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
    }

    void withNoSoundDeviceEverySoundIsSkippedSilently() {
        ErrorRecorder errors;
        WaveSoundPlayer player;
        QElapsedTimer timer;
        timer.start();
        for (const char* name : {"START", "FLIP", "ZAP", "CHIMES", "FLUSH", "SHUTDOWN"})
            player.PlayWaveResource(QLatin1String(name));
        QCOMPARE(errors.count(), 0);
        QVERIFY2(timer.elapsed() < 10000, "skipping a sound must not wait for it");
        // A missing sound is still the error report.
        player.PlayWaveResource(QStringLiteral("NOSUCHSOUND"));
        QCOMPARE(Numbers(errors), QList<int>{ErrorNumbers::ResourceNotFound});
    }

    void withNoSoundDeviceAWholeGameIsPlayed() {
        ScopedStore store;
        ErrorRecorder errors;
        WaveSoundPlayer player;
        NoPause pause;
        FixedRandom random;
        StoreOption("Sounds", QStringLiteral("True"));
        frmMain w(player, pause, random);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(gblnPlaySound);
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(closer.seen, 1);  // the new high score was shown and closed
        w.close();
        QCOMPARE(errors.count(), 0);
    }

    void aMissingHelpFileLeavesTheGameGoingOn() {
        ScopedStore store;
        ErrorRecorder errors;
        SoundRecorder sound;
        NoPause pause;
        FixedRandom random;
        frmMain w(sound, pause, random);
        w.show();
        basHelp::SetHelpFile(QStringLiteral("/nonexistent/folder/Pexora.chm"));
        w.mnuHelpContents_Click();
        w.mnuHelpIndex_Click();
        w.mnuHelpLicense_Click();
        QVERIFY2(errors.count() <= 3, qPrintable(QString::number(errors.count())));
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != &w && top->isVisible()) top->close();
        w.Engine().TileClicked(1);
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));
        QVERIFY(w.imgPic(1)->isVisible());
        w.close();
    }

    void aMissingPictureCategoryIsReportedAndTheNextDealPlays() {
        ScopedStore store;
        ErrorRecorder errors;
        SoundRecorder sound;
        NoPause pause;
        FixedRandom random;
        frmMain w(sound, pause, random);
        w.show();
        GameSettings.Images = QStringLiteral("NOSUCHCATEGORY");
        w.StartNewGame();
        QCOMPARE(Numbers(errors), QList<int>{ErrorNumbers::ResourceNotFound});
        // Clicks on a board without faces neither crash nor report anything more.
        for (qint16 k = 1; k <= 6; ++k) w.Engine().TileClicked(k);
        QCOMPARE(errors.count(), 1);
        GameSettings.Images = QStringLiteral("ANIMAL");
        w.StartNewGame();
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(errors.count(), 1);
        w.close();
    }

    void aColourWithoutFramesIsReportedAndTheGameGoesOn() {
        ScopedStore store;
        ErrorRecorder errors;
        SoundRecorder sound;
        NoPause pause;
        FixedRandom random;
        StoreOption("Player Count", QStringLiteral("2"));
        frmMain w(sound, pause, random);
        w.show();
        w.Engine().TileClicked(1);
        GameSettings.TileColor = QStringLiteral("BLACK");
        w.ChangeTileColor();
        const int afterChange = errors.count();
        QVERIFY2(afterChange >= 1 && afterChange <= 2, qPrintable(QString::number(afterChange)));
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);  // flips and removals with empty frames
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(errors.count(), afterChange);
        for (int n : Numbers(errors)) QCOMPARE(n, ErrorNumbers::ResourceNotFound);
        GameSettings.TileColor = QStringLiteral("RED");
        w.StartNewGame();
        QCOMPARE(errors.count(), afterChange);
        QVERIFY(!w.imgTile(1)->Picture().isNull());
        w.close();
    }
};

QTEST_MAIN(DegradedTest)
#include "test_degraded.moc"
