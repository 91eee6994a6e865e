// Loading and saving "Game Settings": defaults, what is accepted, names
// that come back as they went in, and a store that fails.
#include "GameSettings.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
QString Get(const QString& key) { return GetSetting(App, Section, key, QStringLiteral("<missing>")); }
}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunLoadsTheDefaultsAndTheFirstSaveWritesAllEightKeys() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        chosen = settings.Load();
        const QStringList expected{"ANIMAL", "2", "1", "Player 1", "Player 2", "True", "BLUE", "30"};
        QCOMPARE((QStringList{chosen.options.Images, QString::number(chosen.options.Level), QString::number(chosen.options.PlayerCount),
                              chosen.Name(1), chosen.Name(2), chosen.playSound ? "True" : "False",
                              chosen.options.TileColor, QString::number(chosen.options.TileCount)}),
                 expected);
        settings.Save(chosen);
        QStringList saved;
        for (const char* key : {"Images", "Level", "Player Count", "Player 1", "Player 2", "Sounds", "Tile Color", "Tile Count"}) saved << Get(key);
        QCOMPARE(saved, expected);
    }

    // Two games on one store: the other turns the sounds off, names player 1
    // and picks a colour, then this one (which changed only the level)
    // closes: the other's choices stay, and so does a key this one refused.
    void aSaveWritesOnlyWhatThisGameChangedSoAnotherGamesChoicesStay() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nImages=FOOD\nLevel=2\nPlayer%20Count=2\nPlayer%201=Ann\nPlayer%202=Cy\n"
                       "Sounds=True\nTile%20Color=RED\nTile%20Count=7\n");
        chosen = settings.Load();
        SaveSettingGroup(App, Section, {{"Sounds", "False"}, {"Player 1", "Bea"}, {"Tile Color", "GREEN"}});
        chosen.options.Level = 3;
        settings.Save(chosen);
        QStringList saved;
        for (const char* key : {"Images", "Level", "Player Count", "Player 1", "Player 2", "Sounds", "Tile Color", "Tile Count"}) saved << Get(key);
        QCOMPARE(saved, (QStringList{"FOOD", "3", "2", "Bea", "Cy", "False", "GREEN", "30"}));
        // A later change of this game is still written over the other's.
        chosen.Name(1) = QStringLiteral("Dan");
        settings.Save(chosen);
        QCOMPARE(Get("Player 1"), QStringLiteral("Dan"));
        QCOMPARE(Get("Sounds"), QStringLiteral("False"));
        // What this game wrote once is not written again over the other's later change.
        SaveSettingGroup(App, Section, {{"Level", "2"}, {"Player 1", "Eve"}});
        settings.Save(chosen);
        QCOMPARE(Get("Level") + Get("Player 1"), QStringLiteral("2Eve"));
    }

    void storedValuesAreAcceptedOnlyExactly_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("colour in lower case") << "Tile Color" << "red" << "BLUE";
        QTest::newRow("colour") << "Tile Color" << "RED" << "RED";
        QTest::newRow("category in lower case") << "Images" << "music" << "ANIMAL";
        QTest::newRow("category") << "Images" << "TRANSPORT" << "TRANSPORT";
        QTest::newRow("count with a leading zero") << "Tile Count" << "060" << "30";
        QTest::newRow("count with a leading blank") << "Tile Count" << " 60" << "30";
        QTest::newRow("count") << "Tile Count" << "60" << "60";
        QTest::newRow("level 4") << "Level" << "4" << "2";
        QTest::newRow("level 02") << "Level" << "02" << "2";
        QTest::newRow("level 3") << "Level" << "3" << "3";
        QTest::newRow("player count 3") << "Player Count" << "3" << "1";
        QTest::newRow("player count 2") << "Player Count" << "2" << "2";
        QTest::newRow("sounds in lower case") << "Sounds" << "false" << "True";
        QTest::newRow("sounds -1") << "Sounds" << "-1" << "True";
        QTest::newRow("sounds off") << "Sounds" << "False" << "False";
        QTest::newRow("empty colour") << "Tile Color" << "" << "BLUE";
        QTest::newRow("name of 25") << "Player 1" << QString(25, 'x') << QString(25, 'x');
        QTest::newRow("name of 26") << "Player 1" << QString(26, 'x') << "Player 1";
        QTest::newRow("empty name") << "Player 2" << "" << "Player 2";
        QTest::newRow("single blank") << "Player 2" << " " << " ";
        QTest::newRow("thirteen emoji count as 26") << "Player 1" << QString("😀").repeated(13) << "Player 1";
    }
    void storedValuesAreAcceptedOnlyExactly() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, loaded);
        ScopedStore store;
        SaveSetting(App, Section, key, stored);
        chosen = settings.Load();
        settings.Save(chosen);  // the normalised value reaches the store at the next save
        QCOMPARE(Get(key), loaded);
    }

    void anEmptyNameIsSavedEmptyAndLoadsAsTheDefault() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        chosen = settings.Load();
        chosen.Name(1).clear();
        settings.Save(chosen);
        QCOMPARE(Get("Player 1"), QString());
        chosen = settings.Load();
        QCOMPARE(chosen.Name(1), QStringLiteral("Player 1"));
    }

    void aStoreThatCannotBeReadIsReportedAndEveryOptionTakesItsDefault() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        // A folder where the file should be: neither readable nor writable as a file.
        QDir().mkpath(store.iniPath());
        ErrorRecorder errors;
        chosen = settings.Load();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::PathFileAccess);
        QCOMPARE(chosen.options.TileCount, qint16(30));
        QCOMPARE(chosen.options.Level, qint16(2));
        QCOMPARE(chosen.options.Images, QStringLiteral("ANIMAL"));
        QCOMPARE(chosen.Name(2), QStringLiteral("Player 2"));
        settings.Save(chosen);  // reported too, and the game goes on
        QCOMPARE(errors.count(), 2);
    }

    void deletingASectionThatIsNotThereIsErrorFive() {
        ScopedStore store;
        try {
            DeleteSetting(App, QStringLiteral("Small Board Sets"));
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.Number, 5);
        }
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
