#pragma once
// Read-only access to a compiled HTML help file (.chm) through chmlib.
//
// Names inside the file are looked up one by one; the file's directory is
// never enumerated, since the compiler we use can write a directory whose
// enumeration silently skips entries once it spans more than one block.

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

struct chmFile;

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
    ChmFile();
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // Opens the file; false if it is missing, not a help file, or so damaged
    // that reading it would bring the program down.
    bool Open(const QString& path);
    bool IsOpen() const { return m_handle != nullptr; }
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
    QList<HelpWindowType> WindowTypes() const { return m_windows; }

    // The entries of a contents (.hhc) or index (.hhk) file inside the help file.
    QList<HelpEntry> ReadSitemap(const QString& name) const;

    // "/html/a.htm" for "html\a.htm", "./html/a.htm" or "/html/a.htm".
    // Names such as "/#SYSTEM" keep their "#": a topic's anchor is the caller's to remove.
    static QString NormalizedName(const QString& name);
    // Parses the text of a sitemap file (.hhc or .hhk).
    static QList<HelpEntry> ParseSitemap(const QString& text);
    // Decodes a page: by its declared charset, otherwise as windows-1252.
    static QString DecodeText(const QByteArray& bytes);

    // Reads the whole file in a child process; false if that crashed, failed
    // or took longer than timeoutMs.
    static bool ReadsSafely(const QString& path, int timeoutMs = 10000);

private:
    bool OpenUnchecked(const QString& path);
    void ReadSystem();
    void ReadWindows();
    QString StringAt(const QByteArray& strings, quint32 offset) const;

    struct chmFile* m_handle = nullptr;
    QString m_path;
    QString m_title;
    QString m_contentsFile;
    QString m_indexFile;
    QString m_defaultTopic;
    QString m_defaultWindow;
    QList<HelpWindowType> m_windows;
};
