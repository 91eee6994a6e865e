#pragma once
// The settings store's text: INI bytes as Qt writes them, read into sections
// of keys and written back. Pure functions of bytes, no file: every line is
// read on its own, so a quote or a backslash left open in one line (a hand
// edit) can never swallow the lines below it.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

struct StoreKey {
    QString name;
    QByteArray raw;  // the value's bytes as stored, unescaped by StoreValueText
};

struct StoreSection {
    QString name;  // empty for keys above the first section ("General")
    QList<StoreKey> keys;
    // Until the section is changed, its lines are left in the store's text
    // (StoreContents::text, from its first header's end to its last line's
    // end, any headers of the same name that follow it at once included)
    // and keys is empty: a store of millions of lines is read without an
    // object for each of them.
    qsizetype from = -1, to = -1;
    bool unread() const { return from >= 0; }
};

struct StoreContents {
    QList<StoreSection> sections;
    // Some line would be read differently by a reader that joins lines the
    // way Qt's does, or is dropped by the next save (a comment, a trailing
    // "; note", a line that is no key): the file as it stands deserves a copy
    // before it is replaced.
    bool handEdited = false;
    // The text the unread sections' lines stand in.
    QByteArray text;

    // The value's text; absent keys give no text (isNull()).
    QString value(const QString& section, const QString& key) const;
    bool hasSection(const QString& section) const;
    void setValue(const QString& section, const QString& key, const QString& text);
    void removeSection(const QString& section);
    // The whole store as UTF-8 INI text, unchanged keys byte for byte.
    QByteArray toBytes() const;
    // From contents just written as toBytes(), the contents a read of those
    // bytes gives (the same values and the same bytes when written again),
    // without reading them.
    void markWritten();

private:
    void readSection(const QString& section);
};

// Reads a store's bytes (UTF-8, or UTF-16/32 with a byte-order mark) in one
// pass that makes no object per key: a section's keys are read when it is
// changed, its values looked up in its lines. Never fails: whatever cannot
// be read is left out and marks handEdited. Plain UTF-8 is shared, not copied.
StoreContents ParseStore(const QByteArray& bytes);

// How many times ParseStore ran in this process.
quint64 StoreParseCount();

// The text of a stored value: quotes, escapes and "@" forms undone; a list
// of several values joined by ", "; a lone surrogate as U+FFFD, as it is
// written.
QString StoreValueText(QByteArrayView raw);
