#pragma once
// The player's choices as the settings store keeps them: loaded and saved
// as one value.

#include "SettingsTypes.h"

#include <QHash>
#include <QString>

struct StoreContents;

class ChoicesStore {
public:
    // Reads "Game Settings" from the store; every value that is missing or
    // not accepted takes its default. A store failure is reported, and the
    // options not yet read also take their defaults.
    PlayerChoices Load() noexcept;

    // Writes the keys of "Game Settings" whose value differs from what this
    // store last read or wrote, and every key that was missing or not
    // accepted at load, in the stored order, into the store as it stands
    // at the save: another game's changes to the other keys stay.
    void Save(const PlayerChoices& choices) noexcept;

private:
    // Each key's text as last read from the store (present only for a key
    // that was there and accepted) or written to it; a save writes the keys
    // whose text differs, so two games on one store never put back each
    // other's changes.
    QHash<QString, QString> m_asRead;
    QString m_readFrom;  // the store they were read from

    template <class Accept>
    QString ReadAccepted(const StoreContents& stored, const QString& key, const QString& defaultText, Accept accept);
};
