#pragma once
// The high-score tables in the store, as the rule book offers results to them.

#include "Services.h"

class StoreScoreBook final : public IScoreBook {
public:
    // SaveScore into "Small/Large Board Sets" (key "Sets") or "... Times" (key "Time").
    bool OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) override;
};
