#include "StoreUnsaved.h"

#include "ErrorTrap.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "SettingsTypes.h"

#include <QCoreApplication>

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include <unistd.h>

namespace {

constexpr qint32 EmptyScore = 99999;
constexpr int Places = 5;

QString NameKey(int rank) { return QStringLiteral("Name ") + QString::number(rank); }
QString ScoreKey(const QString& word, int rank) { return word + QLatin1Char(' ') + QString::number(rank); }

// A stored score as a 32-bit number: digits with an optional sign and
// surrounding blanks, or a plain decimal number that rounds into range.
qint32 ToScore(const QString& text) {
    bool ok = false;
    const qlonglong whole = text.trimmed().toLongLong(&ok, 10);
    if (ok) {
        if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max()) {
            throw RuntimeError(ErrorNumbers::Overflow, QCoreApplication::translate("ScoreTables", "Overflow"));
        }
        return static_cast<qint32>(whole);
    }
    const double real = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(real)) throw RuntimeError(ErrorNumbers::TypeMismatch, QCoreApplication::translate("ScoreTables", "Type mismatch"));
    const double rounded = std::nearbyint(real);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max()) {
        throw RuntimeError(ErrorNumbers::Overflow, QCoreApplication::translate("ScoreTables", "Overflow"));
    }
    return static_cast<qint32>(rounded);
}

const QString KindNames[] = {QStringLiteral("set"), QStringLiteral("replace"), QStringLiteral("remove"), QStringLiteral("result")};

QString Text(const StoreContents& c, const QString& section, const QString& key) { return c.value(section, key); }

}  // namespace

bool RankResult(StoreContents& contents, const QString& section, const QString& scoreKey, const QString& name, qint32 score) {
    struct Entry {
        QString name;
        qint32 score = EmptyScore;
    };
    // The stored entries in their order, then empty places up to rank 5,
    // rank 6 the new result (index 0 unused). An empty place a hand edit
    // left between entries is closed: the entries below move up.
    std::array<Entry, 7> list;
    int filled = 0;
    for (int r = 1; r <= Places; ++r) {
        Entry entry;
        entry.name = contents.value(section, NameKey(r));
        const QString stored = contents.value(section, ScoreKey(scoreKey, r));
        try {
            entry.score = stored.isNull() ? EmptyScore : ToScore(stored);
        } catch (const RuntimeError& e) {
            // No game wrote this: the place is empty, the line kept in the
            // copy of the hand-edited file made before the table is written.
            std::fprintf(stderr, "Pexora: %s: \"%s\" in %s is no score (%s); the place is taken as empty.\n", qPrintable(section),
                         qPrintable(stored), qPrintable(ScoreKey(scoreKey, r)), qPrintable(e.Description));
            contents.handEdited = true;
            continue;
        }
        if (!entry.name.isEmpty()) list[++filled] = entry;
    }
    // A nameless result would be skipped by the writes below while the
    // entries it passed moved down, leaving one of them twice.
    list[6].name = name.isEmpty() ? DefaultPlayerName(1) : name;
    list[6].score = score;
    bool changed = false;
    for (int r = 6; r >= 2; --r) {
        if (list[r].score < list[r - 1].score) {
            std::swap(list[r], list[r - 1]);
            changed = true;
        }
    }
    if (!changed) return false;
    // The whole table in one write: a game killed in the middle of it must
    // not leave an entry overwritten before it was moved down. The section
    // then holds exactly the entries written, so a key left below a hole in
    // a hand-edited table cannot list an entry twice.
    contents.removeSection(section);
    for (int r = 1; r <= Places; ++r) {
        if (list[r].name.isEmpty()) continue;
        contents.setValue(section, NameKey(r), list[r].name);
        contents.setValue(section, ScoreKey(scoreKey, r), QString::number(list[r].score));
    }
    return true;
}

bool UnsavedChange::applyTo(StoreContents& contents) const {
    switch (kind) {
    case Kind::Result:
        return RankResult(contents, section, scoreKey, name, score);
    case Kind::RemoveSection: {
        const bool had = contents.hasSection(section);
        contents.removeSection(section);
        return had;
    }
    case Kind::ReplaceSection:
        contents.removeSection(section);
        [[fallthrough]];
    case Kind::SetKeys:
        for (const auto& [key, value] : keys) contents.setValue(section, key, value);
        return true;
    }
    return false;
}

QString UnsavedPath(const QString& storePath) { return storePath + QStringLiteral(".unsaved"); }

// Each change a section "Change N" of an INI file of the store's own kind.
void KeepUnsaved(const QString& storePath, const UnsavedChange& change) {
    const StoreBytes read = ReadStoreBytes(UnsavedPath(storePath));
    StoreContents kept = ParseStore(read.bytes);
    // A name no change in the file has, though a save took some out meanwhile.
    int last = 0;
    for (const StoreSection& s : kept.sections) last = std::max(last, QStringView(s.name).sliced(std::min<qsizetype>(7, s.name.size())).toInt());
    const QString section = QStringLiteral("Change ") + QString::number(last + 1);
    kept.setValue(section, QStringLiteral("Kind"), KindNames[static_cast<int>(change.kind)]);
    kept.setValue(section, QStringLiteral("Section"), change.section);
    for (int i = 0; i < change.keys.size(); ++i) {
        kept.setValue(section, QStringLiteral("Key ") + QString::number(i + 1), change.keys[i].first);
        kept.setValue(section, QStringLiteral("Value ") + QString::number(i + 1), change.keys[i].second);
    }
    if (change.kind == UnsavedChange::Kind::Result) {
        kept.setValue(section, QStringLiteral("Score Key"), change.scoreKey);
        kept.setValue(section, QStringLiteral("Name"), change.name);
        kept.setValue(section, QStringLiteral("Score"), QString::number(change.score));
    }
    ReplaceStore(read, kept.toBytes());
}

bool ApplyUnsaved(const QString& storePath, StoreContents& contents, StoreBytes* applied) {
    StoreBytes read;
    try {
        read = ReadStoreBytes(UnsavedPath(storePath));
    } catch (const RuntimeError&) {
        return false;  // no file of ours (a pipe, a device planted there): the store alone is read
    }
    if (!read.exists) return false;
    const StoreContents kept = ParseStore(read.bytes);
    for (const StoreSection& s : kept.sections) {
        UnsavedChange change;
        const qsizetype kind = std::find(std::begin(KindNames), std::end(KindNames), Text(kept, s.name, QStringLiteral("Kind"))) - std::begin(KindNames);
        if (kind >= qsizetype(std::size(KindNames))) continue;  // nothing this game made
        change.kind = static_cast<UnsavedChange::Kind>(kind);
        change.section = Text(kept, s.name, QStringLiteral("Section"));
        for (int i = 1;; ++i) {
            const QString key = Text(kept, s.name, QStringLiteral("Key ") + QString::number(i));
            if (key.isNull()) break;
            change.keys.append({key, Text(kept, s.name, QStringLiteral("Value ") + QString::number(i))});
        }
        change.scoreKey = Text(kept, s.name, QStringLiteral("Score Key"));
        change.name = Text(kept, s.name, QStringLiteral("Name"));
        bool ok = false;
        change.score = Text(kept, s.name, QStringLiteral("Score")).toInt(&ok);
        if (change.kind == UnsavedChange::Kind::Result && !ok) continue;
        change.applyTo(contents);
    }
    if (applied != nullptr) *applied = std::move(read);
    return true;
}

bool HasUnsaved(const QString& storePath) {
    try {
        return ReadStoreBytes(UnsavedPath(storePath)).exists;
    } catch (const RuntimeError&) {
        return false;  // nothing of ours: never made, never waited for
    }
}

void ForgetUnsaved(const QString& storePath, const StoreBytes& applied) {
    const QString path = UnsavedPath(storePath);
    StoreBytes now;
    try {
        now = ReadStoreBytes(path);
    } catch (const RuntimeError&) {
        return;
    }
    if (!now.exists) return;
    StoreContents kept;
    if (now.device != applied.device || now.inode != applied.inode) {
        // Another game kept a change meanwhile: its file holds the changes
        // just made, then its own. Only its own stay, made by the next save.
        kept = ParseStore(now.bytes);
        for (const StoreSection& s : ParseStore(applied.bytes).sections) kept.removeSection(s.name);
    }
    try {
        if (kept.sections.isEmpty()) {
            ::unlink(NativePath(path).constData());
        } else {
            ReplaceStore(now, kept.toBytes());
        }
    } catch (const RuntimeError&) {
        // Changed once more: left whole for the next save.
    }
}
