#pragma once
// The four five-place high-score tables in the settings store.

#include "Services.h"

#include <QString>
#include <QtGlobal>

struct StoreContents;

namespace ScoreTables {
inline const QString SmallBoardSets = QStringLiteral("Small Board Sets");
inline const QString SmallBoardTimes = QStringLiteral("Small Board Times");
inline const QString LargeBoardSets = QStringLiteral("Large Board Sets");
inline const QString LargeBoardTimes = QStringLiteral("Large Board Times");
inline const QString SetsKey = QStringLiteral("Sets");
inline const QString TimeKey = QStringLiteral("Time");
inline constexpr qint32 EmptyScore = 99999;
inline constexpr int Places = 5;

QString SetsSection(int tileCount);   // "Small Board Sets" for 30, "Large Board Sets" for 60
QString TimesSection(int tileCount);
}  // namespace ScoreTables

// Ranks a result into a table and writes the table when it changed.
// True when the result entered the table. A result whose name is empty is
// recorded under "Player 1", so the table stays distinct and ordered.
bool SaveScore(const QString& section, const QString& key, const QString& name,
               qint32 score) noexcept;

// The tables as the rule book offers its results to them: a number of sets
// goes into "Small/Large Board Sets" (key "Sets"), a time into "... Times"
// (key "Time"), ranked as SaveScore ranks it.
class StoredScoreTables final : public IScoreBook {
public:
    bool OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) override;
};

// One stored rank as the dialog shows it: name and score text as stored,
// both empty for an empty rank.
struct ScoreRow {
    QString Name;
    QString Score;
};
ScoreRow ReadScoreRow(const QString& section, const QString& key, int rank);
// The same from the store as read once (ReadSettings), for many rows.
ScoreRow ReadScoreRow(const StoreContents& stored, const QString& section, const QString& key, int rank);

// Removes a whole table; a table that does not exist is no error.
void DeleteScoreTable(const QString& appName, const QString& section) noexcept;

// The dialog side of a reset: the question and the lists it empties.
class IScoreResetUi {
public:
    virtual ~IScoreResetUi() = default;
    // Question icon, Yes and No, Yes the default. True for Yes.
    virtual bool ConfirmReset(const QString& title, const QString& text) = 0;
    // Empties the list that shows section and adds the five bare ranks.
    virtual void ClearScoreList(const QString& section) noexcept = 0;
};

// Resets both tables of one board size (tileCount 30 or 60): the question,
// "FLUSH" when playSound, the two lists emptied, the two sections deleted.
void ResetBoardScores(int tileCount, IScoreResetUi& ui, ISoundPlayer& sound, bool playSound) noexcept;
