#include "ScoreBook.h"

#include "ScoreTables.h"

bool StoreScoreBook::OfferScore(ScoreKind kind, int tileCount, const QString& strName, qint32 lngScore) {
    if (kind == ScoreKind::Sets) {
        return SaveScore(ScoreTables::SetsSection(tileCount), ScoreTables::SetsKey, strName, lngScore);
    }
    return SaveScore(ScoreTables::TimesSection(tileCount), ScoreTables::TimeKey, strName, lngScore);
}
