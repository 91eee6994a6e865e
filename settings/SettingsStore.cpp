#include "SettingsStore.h"

#include "ErrorTrap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStringConverter>
#include <QStringList>

#include <sys/stat.h>

#include <optional>

namespace {

[[noreturn]] void ThrowAccessError(const QString& path) {
    throw RuntimeError(ErrorNumbers::PathFileAccess,
                       QCoreApplication::translate("SettingsStore", "Path/File access error: %1").arg(QDir::toNativeSeparators(path)));
}

// Far above any store the game writes (a few kilobytes).
constexpr qint64 LargestStore = 16 * 1024 * 1024;

// The store is used only when it is a regular file (or a link to one), and
// this is checked before anything opens it: opening a pipe blocks, reading
// a device may never end, and saving through a link to a device would put a
// file in its place. A store far too large is left as it is, unread.
void CheckStoreFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return;  // none yet: made by the first save
    if (!S_ISREG(info.st_mode)) {
        throw RuntimeError(ErrorNumbers::PathFileAccess,
                           QCoreApplication::translate("SettingsStore", "Path/File access error: %1 is not a regular file")
                               .arg(QDir::toNativeSeparators(path)));
    }
    if (info.st_size > LargestStore) {
        throw RuntimeError(ErrorNumbers::OutOfStringSpace,
                           QCoreApplication::translate("SettingsStore", "Out of string space: %1 is larger than 16 MiB and is left as it is")
                               .arg(QDir::toNativeSeparators(path)));
    }
}

// Why the INI reader would carry this line's value on into the lines below
// it, joining them (whole sections of scores among them) to this value.
enum class LineEnd { Closed, Backslash, OpenQuote };

LineEnd HowLineEnds(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\') {
            if (i + 1 >= line.size()) return LineEnd::Backslash;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            return LineEnd::Closed;
        }
    }
    return quoted ? LineEnd::OpenQuote : LineEnd::Closed;
}

bool RunsIntoNextLine(const QByteArray& line) { return HowLineEnds(line) != LineEnd::Closed; }

// The line with its value ended where the line ends: a backslash at the very
// end is dropped and the value before it kept; a quote left open is closed.
QByteArray MendLine(QByteArray line) {
    for (LineEnd end = HowLineEnds(line); end != LineEnd::Closed; end = HowLineEnds(line)) {
        if (end == LineEnd::Backslash) {
            line.chop(1);
        } else {
            line += '"';
        }
    }
    return line;
}

bool IsKeyLine(const QByteArray& line) {
    return !line.isEmpty() && !line.startsWith(';') && !line.startsWith('#') && !line.startsWith('[');
}

// A line a hand edit may have damaged: QSettings rewrites the whole file on
// the first save and would fold or drop what it cannot parse.
bool LooksDamaged(const QByteArray& contents) {
    const QByteArray utf8Mark = "\xEF\xBB\xBF";  // an editor's mark, read and dropped at the next save
    for (const QByteArray& raw : (contents.startsWith(utf8Mark) ? contents.mid(3) : contents).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return true;
            continue;
        }
        if (!IsKeyLine(line)) continue;
        if (!line.contains('=')) return true;
        if (RunsIntoNextLine(line)) return true;
    }
    return false;
}

QMutex g_mutex;
QSet<QString> g_backedUp;  // files already kept this run
QSet<QString> g_checked;   // files already looked over this run

// The file as it stood is kept beside it ("Pexora.ini.bak"), so no save ever
// destroys the only copy of a player's scores. A file that looks
// hand-damaged is kept once as "Pexora.ini.damaged", which later runs never
// overwrite, and it does not replace an earlier backup: that is the last
// copy known to be whole.
void KeepCopies(const QString& path, const QByteArray& contents) {
    const QString backup = path + QStringLiteral(".bak");
    const QString damaged = path + QStringLiteral(".damaged");
    if (LooksDamaged(contents)) {
        if (!QFile::exists(damaged)) QFile::copy(path, damaged);
        if (QFile::exists(backup)) return;
    }
    QFile::remove(backup);
    QFile::copy(path, backup);
}

// Before the first write of a run, the copies above are made.
void KeepBackupBeforeFirstWrite(const QString& path) {
    QMutexLocker lock(&g_mutex);
    if (g_backedUp.contains(path)) return;
    g_backedUp.insert(path);
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return;
    KeepCopies(path, original.readAll());
}

// A store an editor saved as UTF-16 or UTF-32 (with its byte-order mark) as
// the UTF-8 the INI reader takes; anything else as it is.
QByteArray AsUtf8(const QByteArray& contents) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(contents);
    if (!encoding || *encoding == QStringConverter::Utf8) return contents;
    QStringDecoder decode(*encoding);
    const QString text = decode(contents);
    return text.toUtf8();
}

}  // namespace

QByteArray MendedStoreText(const QByteArray& contents) {
    const QByteArray text = AsUtf8(contents);
    QByteArray repaired;
    repaired.reserve(text.size() + 16);
    bool mended = text != contents;
    // Lines end at LF or CR alone, as the reader sees them; their ends are kept.
    for (qsizetype start = 0, end = 0; start <= text.size(); start = end + 1) {
        for (end = start; end < text.size() && text[end] != '\n' && text[end] != '\r';) ++end;
        const QByteArray raw = text.mid(start, end - start);
        const QByteArray line = raw.trimmed();
        // The reader skips only a ';' line whole: in a section header, or in a
        // line starting with '#', a quote or a last backslash counts as well.
        const bool runsOn = !line.startsWith(';') && RunsIntoNextLine(line);
        mended = mended || runsOn;
        repaired += runsOn ? MendLine(line) : raw;
        if (end < text.size()) repaired += text[end];
    }
    return mended ? repaired : contents;
}

namespace {

// At the first use of a file in a run, before anything is read from it, the
// file is mended as above (the file as it was is kept first), so that one
// bad value cannot hide the score tables below it and have them dropped by
// the next save. A file that cannot be rewritten is read as it is.
void RepairBeforeFirstUse(const QString& path) {
    QMutexLocker lock(&g_mutex);
    if (g_checked.contains(path)) return;
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) return;  // looked at again once it exists
    g_checked.insert(path);
    const QByteArray contents = original.readAll();
    original.close();
    const QByteArray repaired = MendedStoreText(contents);
    if (repaired == contents) return;
    if (!g_backedUp.contains(path)) {
        g_backedUp.insert(path);
        KeepCopies(path, AsUtf8(contents));
    }
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(repaired) == repaired.size()) out.commit();
}

// Where the store of appName lives, found without opening it.
QString StorePath(const QString& appName) {
    // A name with no file of its own: the settings object only reports
    // the folder the user's files go in.
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QStringLiteral(".pexora-folder-probe"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/') + appName + QLatin1Char('/') + appName +
           QStringLiteral(".ini");
}

// The store, checked, and mended at its first use in the run. Only the
// user's own file is read: nothing from other folders is merged into it.
QSettings OpenStore(const QString& appName) {
    const QString path = StorePath(appName);
    CheckStoreFile(path);
    RepairBeforeFirstUse(path);
    return QSettings(path, QSettings::IniFormat);
}

void SyncOrThrow(QSettings& store) {
    store.sync();
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
}

}  // namespace

QString SettingsFilePath(const QString& appName) { return StorePath(appName); }

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultText) {
    QSettings store = OpenStore(appName);
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (!value.isValid()) return defaultText;
    // An unquoted hand-written value with commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    if (value.canConvert<QString>()) return value.toString();
    return QString();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    QSettings store = OpenStore(appName);
    const QString path = store.fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) ThrowAccessError(path);
    KeepBackupBeforeFirstWrite(path);
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    SyncOrThrow(store);
}

void SaveSettingGroup(const QString& appName, const QString& section,
                      const QList<QPair<QString, QString>>& keysAndValues, SectionWrite how) {
    QSettings store = OpenStore(appName);
    const QString path = store.fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) ThrowAccessError(path);
    KeepBackupBeforeFirstWrite(path);
    if (how == SectionWrite::ReplaceSection) store.remove(section);
    store.beginGroup(section);
    for (const auto& [key, value] : keysAndValues) store.setValue(key, value);
    store.endGroup();
    SyncOrThrow(store);
}

void DeleteSetting(const QString& appName, const QString& section) {
    QSettings store = OpenStore(appName);
    if (store.status() == QSettings::AccessError) ThrowAccessError(store.fileName());
    if (!store.childGroups().contains(section)) {
        throw RuntimeError(ErrorNumbers::InvalidProcedureCall,
                           QCoreApplication::translate("ErrorTrap", "Invalid procedure call or argument"));
    }
    KeepBackupBeforeFirstWrite(store.fileName());
    store.remove(section);
    SyncOrThrow(store);
}
