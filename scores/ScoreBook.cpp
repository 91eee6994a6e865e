#include "ScoreBook.h"

#include "ScoreTables.h"

bool StoreScoreBook::OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) {
    if (kind == ScoreKind::Sets) {
        return SaveScore(ScoreTables::SetsSection(tileCount), ScoreTables::SetsKey, name, score);
    }
    return SaveScore(ScoreTables::TimesSection(tileCount), ScoreTables::TimeKey, name, score);
}
