#pragma once
// Read-only access to a compiled HTML help file (.chm) through chmlib.
//
// Names inside the file are looked up one by one; the file's directory is
// never enumerated, since the compiler we use can write a directory whose
// enumeration silently skips entries once it spans more than one block.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

struct chmFile;
class ChmCheck;

// One line of the contents or of the index: its text, the topic it opens
// (a path inside the file, may be empty for a heading) and its depth.
struct HelpEntry {
    QString Name;
    QString Local;
    int Depth = 0;
};

// What a window type of the file names: its caption and its three files.
struct HelpWindowType {
    QString Name;
    QString Title;
    QString ContentsFile;
    QString IndexFile;
    QString DefaultTopic;
};

class ChmFile {
public:
    // Why Open failed.
    enum class OpenError { None, NotAFile, NoChecker, Unreadable };

    ChmFile();
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // Opens the file once the checker program has read all of it in a
    // process of its own; false if it is missing, not a help file, so damaged
    // that reading it brings chmlib down, changed while it was checked, or if
    // the checker cannot be run. Waits for the checker: a window checks with
    // a ChmCheck and opens with OpenChecked instead.
    bool Open(const QString& path, const QString& checker = CheckerPath());
    // Opens the file a finished check read, if the checker passed it and it
    // has not changed since; the check's reasons otherwise.
    bool OpenChecked(const ChmCheck& check);
    bool IsOpen() const { return m_handle != nullptr; }
    OpenError Error() const { return m_error; }
    QString Path() const { return m_path; }

    // The bytes stored under name ("html/a.htm", "/html/a.htm" or
    // "html\a.htm"; letter case does not matter), or nothing.
    std::optional<QByteArray> Read(const QString& name) const;
    bool Contains(const QString& name) const;

    // The file's own settings, from its system record.
    QString Title() const { return m_title; }
    QString ContentsFile() const { return m_contentsFile; }
    QString IndexFile() const { return m_indexFile; }
    QString DefaultTopic() const { return m_defaultTopic; }
    QString DefaultWindow() const { return m_defaultWindow; }

    // The window type of that name (case-insensitive), if the file defines it.
    std::optional<HelpWindowType> WindowType(const QString& name) const;

    // The entries of a contents (.hhc) or index (.hhk) file inside the help file.
    QList<HelpEntry> ReadSitemap(const QString& name) const;

    // "/html/a.htm" for "html\a.htm", "./html/a.htm" or "/html/a.htm".
    // Names such as "/#SYSTEM" keep their "#": a topic's anchor is the caller's to remove.
    static QString NormalizedName(const QString& name);
    // Parses the text of a sitemap file (.hhc or .hhk).
    static QList<HelpEntry> ParseSitemap(const QString& text);
    // Decodes a page: by its declared charset, otherwise as windows-1252.
    // Nothing if the bytes are not text in that encoding (a NUL, a control
    // character, a byte or sequence the encoding does not define).
    static std::optional<QString> DecodeText(const QByteArray& bytes);
    // A page: text whose first sign is markup ("<!DOCTYPE", "<html"). The
    // bytes a damaged file gives out for a page are seldom that.
    static std::optional<QString> DecodePage(const QByteArray& bytes);

    // The checker program beside the running program.
    static QString CheckerPath();
    // Runs the checker on path and waits for it; false if it is missing,
    // crashed, refused the file or took longer than timeoutMs.
    static bool CheckedByChild(const QString& path, const QString& checker, OpenError* error = nullptr,
                               int timeoutMs = 10000);
    // Opens the file in this process and reads all of it: every compressed
    // block, the directory, the contents, the index and every page they name.
    // chmlib can crash on a damaged file, so only the checker calls this.
    static bool ReadThrough(const QString& path);

private:
    bool OpenUnchecked(const QString& path);
    void ReadSystem();
    void ReadWindows();
    QString StringAt(const QByteArray& strings, quint32 offset) const;

    struct chmFile* m_handle = nullptr;
    OpenError m_error = OpenError::None;
    QString m_path;
    QString m_title;
    QByteArray m_codePage = "windows-1252";  // of the file's own texts
    QString m_contentsFile;
    QString m_indexFile;
    QString m_defaultTopic;
    QString m_defaultWindow;
    QList<HelpWindowType> m_windows;
};

// The checker program reading a help file in a process of its own, while the
// program's events go on: Finished() once it has answered or its time is up
// (the checker is then stopped). The file is opened once, here; the checker
// and, afterwards, ChmFile::OpenChecked read that very file through the
// descriptor. Destroying a check stops a checker still running.
class ChmCheck : public QObject {
    Q_OBJECT
public:
    explicit ChmCheck(const QString& path, const QString& checker = ChmFile::CheckerPath(), int timeoutMs = 10000);
    ~ChmCheck() override;
    // Starts the checker; Finished() follows, also at once when it cannot run.
    void Start();
    // Waits for the checker without running the program's events.
    void Wait();
    bool Done() const { return m_done; }
    bool Passed() const { return m_done && m_error == ChmFile::OpenError::None; }
    ChmFile::OpenError Error() const { return m_error; }
    QString Path() const { return m_path; }

signals:
    void Finished();

private:
    void Answer(ChmFile::OpenError error);
    friend class ChmFile;

    QString m_path;
    QString m_checker;
    int m_timeoutMs;
    int m_fd = -1;
    struct Identity {
        quint64 device = 0, inode = 0, size = 0;
        qint64 seconds = 0, nanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    static Identity IdentityOf(int fd, bool* regular = nullptr);
    Identity m_identity;
    QProcess m_child;
    QTimer m_limit;
    bool m_done = false;
    ChmFile::OpenError m_error = ChmFile::OpenError::None;
};
