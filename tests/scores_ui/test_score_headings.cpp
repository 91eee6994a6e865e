// The high-score dialog's headings fit their boxes, and names in the lists
// cannot turn the text of their row.
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "basWave.h"
#include "frmScores.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace {
class Silent final : public ISoundPlayer {
public:
    void PlayWaveResource(const QString&) override {}
};
const GameSettingsRecord Options{};
const bool SoundsOff = false;
}  // namespace

class ScoreHeadingsTest : public QObject {
    Q_OBJECT

private slots:
    void everyHeadingFitsItsBox() {
        ScopedStore store;
        Silent sound;
        frmScores form(sound, Options, SoundsOff);
        ScoresWindow* window = form.Load(nullptr);
        for (int i = 0; i < 4; ++i) {
            const QLabel* label = Named<QLabel>(*window, "lblLabels", i);
            const int box = qRound((i % 2 == 0 ? 1140 : 1665) / 15.0);  // the boxes' twips at 96 dots per inch
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= box, qPrintable(label->text()));
        }
    }

    void aNameThatCouldTurnItsRowIsIsolatedAndALineBreakShownAsABlank() {
        ScopedStore store;
        const QString app = QStringLiteral("Pexora");
        const QStringList names{QStringLiteral("Ann"), QStringLiteral("\u202E") + "Bob", "Cy\nDee"};
        for (int r = 1; r <= 3; ++r) {
            SaveSetting(app, ScoreTables::SmallBoardSets, QStringLiteral("Name %1").arg(r), names[r - 1]);
            SaveSetting(app, ScoreTables::SmallBoardSets, QStringLiteral("Sets %1").arg(r), QString::number(r * 10));
        }
        Silent sound;
        frmScores form(sound, Options, SoundsOff);
        const QTreeWidget* list = Named<QTreeWidget>(*form.Load(nullptr), "lvwSmallBoardSets");
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Ann"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString(QChar(0x2068)) + names[1] + QChar(0x2069));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("Cy Dee"));
        QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("30"));
    }
};

QTEST_MAIN(ScoreHeadingsTest)
#include "test_score_headings.moc"
