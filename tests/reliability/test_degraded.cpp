// The game on a poor machine: no sound device, no help file, pictures or
// tile frames missing from the resources. The game goes on; the most it
// shows is the error report.
#include <QtTest>

#include "BoardImage.h"
#include "ReliabilityKit.h"
#include "basHelp.h"
#include "basWave.h"

using reliability::PlayToTheEnd;
using reliability::ReportNumbers;

class DegradedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Before anything in this process touches SDL: a driver that does not exist.
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
    }

    void withNoSoundDeviceSoundsAreSkippedSilentlyAndAWholeGameIsPlayed() {
        ScopedStore store;
        ErrorRecorder errors;
        WaveSoundPlayer player;
        for (const char* name : {"START", "FLIP", "ZAP", "CHIMES", "FLUSH", "SHUTDOWN"})
            player.PlayWaveResource(QLatin1String(name));
        QCOMPARE(errors.count(), 0);
        RecordingPause pause;
        ScriptedRandom random;
        StoreOption("Sounds", QStringLiteral("True"));
        StoreScoreBook book;
        frmMain w(player, pause, random, book);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(gblnPlaySound);
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(closer.seen, 1);  // the new high score was shown and closed
        w.close();
        QCOMPARE(errors.count(), 0);
        // A missing sound is still the error report.
        player.PlayWaveResource(QStringLiteral("NOSUCHSOUND"));
        QCOMPARE(ReportNumbers(errors), QList<int>{ErrorNumbers::ResourceNotFound});
    }

    void aMissingHelpFileLeavesTheGameGoingOn() {
        MainWindowHarness h;
        frmMain& w = h.make();
        w.show();
        basHelp::SetHelpFile(QStringLiteral("/nonexistent/folder/Pexora.chm"));
        w.mnuHelpContents_Click();
        w.mnuHelpIndex_Click();
        w.mnuHelpLicense_Click();
        QVERIFY2(h.errors.count() <= 3, qPrintable(QString::number(h.errors.count())));
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != &w && top->isVisible()) top->close();
        w.Engine().TileClicked(1);
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));
        QVERIFY(w.imgPic(1)->isVisible());
    }

    void aMissingPictureCategoryIsReportedAndTheNextDealPlays() {
        MainWindowHarness h;
        frmMain& w = h.make();
        w.show();
        GameSettings.Images = QStringLiteral("NOSUCHCATEGORY");
        w.StartNewGame();
        QCOMPARE(ReportNumbers(h.errors), QList<int>{ErrorNumbers::ResourceNotFound});
        // Clicks on a board without faces neither crash nor report anything more.
        for (qint16 k = 1; k <= 6; ++k) w.Engine().TileClicked(k);
        QCOMPARE(h.errors.count(), 1);
        GameSettings.Images = QStringLiteral("ANIMAL");
        w.StartNewGame();
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(h.errors.count(), 1);
    }

    void aColourWithoutFramesIsReportedAndTheGameGoesOn() {
        MainWindowHarness h;
        StoreOption("Player Count", QStringLiteral("2"));
        frmMain& w = h.make();
        w.show();
        w.Engine().TileClicked(1);
        GameSettings.TileColor = QStringLiteral("BLACK");
        w.ChangeTileColor();
        const int afterChange = h.errors.count();
        QVERIFY2(afterChange >= 1 && afterChange <= 2, qPrintable(QString::number(afterChange)));
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);  // flips and removals with empty frames
        QCOMPARE(w.Engine().mintMatches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(ReportNumbers(h.errors), QList<int>(afterChange, ErrorNumbers::ResourceNotFound));
        GameSettings.TileColor = QStringLiteral("RED");
        w.StartNewGame();
        QCOMPARE(h.errors.count(), afterChange);
        QVERIFY(!w.imgTile(1)->Picture().isNull());
    }
};

QTEST_MAIN(DegradedTest)
#include "test_degraded.moc"
