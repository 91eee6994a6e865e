#pragma once
// The help viewer: a window of its own, owned by the window that asked for
// it, showing a compiled help file's contents, index and topics.

#include "ChmFile.h"

#include <QHash>
#include <QString>
#include <QTextBrowser>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The pane of the viewer a request shows: its contents or its index.
enum class HelpPane { Contents, Index };

// What a help request asks for: a help file, a topic in it, and the window
// type whose settings (title, panes, first topic) the viewer takes.
struct HelpRequest {
    QString file;
    QString topic;  // "/html/License.htm", or empty
    QString window = QStringLiteral("Main");
};

// Shows the pages of a help file; every name a page uses (links, pictures,
// style sheets) is looked up inside the same file.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit ChmBrowser(QWidget* parent = nullptr);
    void SetFile(const ChmFile* file) {
        m_file = file;
        m_pages.clear();
        m_resources.clear();
    }
    QVariant loadResource(int type, const QUrl& name) override;
    // The page at a path of the file, decoded; nothing if it is not one. A
    // page is read once: a damaged file need not give the same bytes twice.
    std::optional<QString> Page(const QString& path);

    static QUrl TopicUrl(const QString& topic);

private:
    const ChmFile* m_file = nullptr;
    QHash<QString, std::optional<QString>> m_pages;
    // Pictures and style sheets, read once like the pages: every page shown
    // would otherwise take them out of the file again.
    QHash<QPair<int, QString>, QVariant> m_resources;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);
    ~HelpViewer() override;

    // Opens the help file (again) with the settings of the window type once
    // the checker has read it; meanwhile the program's events go on and the
    // viewer says it is checking the file. On failure the viewer shows why in
    // its own place. A fallback file (the English help) is opened instead of
    // one that is missing or cannot be read, and the status line says so.
    void OpenFile(const QString& path, const QString& windowType, const QString& fallback = {});
    // Shows the contents or the index, and the topic if one is given; during
    // a check, once it is done.
    void Request(HelpPane pane, const QString& topic = {});
    void ShowContents();
    void ShowIndex();
    // Shows a topic of the file ("html/License.htm", any letter case); false
    // and a message in the page if the file has no such topic.
    bool ShowTopic(const QString& topic);
    void ShowDefaultTopic();

    // The file asked for, and the one on show (its fallback, or itself).
    QString FilePath() const { return m_path; }
    QString ShownFile() const { return m_shownPath; }
    // The status line under the page: why the file on show is not the one
    // asked for, or empty.
    QString Status() const;
    // Whether OpenFile is waiting for the checker.
    bool Checking() const { return m_checking; }
    bool HasFile() const { return m_file.IsOpen(); }
    // The message shown in place of a page, or empty.
    QString Message() const { return m_message; }
    // The topic on show, as a path inside the file ("/html/license.htm"), lower case.
    QString CurrentTopic() const;

    QTabWidget* Panes() const { return m_panes; }
    QTreeWidget* ContentsTree() const { return m_contents; }
    QListWidget* IndexList() const { return m_index; }
    QLineEdit* IndexFilter() const { return m_filter; }
    ChmBrowser* Browser() const { return m_browser; }

private:
    // What the file, or its window type, names: title, panes, first topic.
    struct Layout {
        QString Title, ContentsFile, IndexFile, DefaultTopic;
    };
    Layout LayoutOf(const QString& windowType) const;
    // Whether the open file's contents and index can be read.
    bool HasPanes(const QString& windowType) const;
    void ShowMessage(const QString& text);
    void StartCheck(const QString& path);
    void CheckFinished();
    // Fills the panes from the file just opened, or says why it was not.
    bool FillFromFile(bool opened);
    void RunRequest();
    void FillContents(const QList<HelpEntry>& entries);
    void FillIndex(const QList<HelpEntry>& entries);
    void FilterIndex(const QString& text);
    void OpenIndexItem(QListWidgetItem* item);
    void OpenContentsItem(QTreeWidgetItem* item);
    void OpenLink(const QUrl& url);
    void SelectContentsFor(const QUrl& source);

    ChmFile m_file;
    QString m_path;
    QString m_shownPath;
    QString m_defaultTopic;
    QString m_message;
    bool m_damaged = false;  // its contents or index cannot be read
    bool m_checking = false;
    std::unique_ptr<ChmCheck> m_check;
    QString m_windowType;
    QString m_fallback;
    QString m_standInReason;  // why the fallback is on show
    std::optional<std::pair<HelpPane, QString>> m_request;
    QTabWidget* m_panes = nullptr;
    QTreeWidget* m_contents = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_filter = nullptr;
    ChmBrowser* m_browser = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
};

// Answers a help request: shows the viewer of owner for the request's help
// file, at its contents or its index, and at the topic if one is given.
// Returns the viewer (reused per owner and file). The fallback, when given,
// is shown where the request's file cannot be.
HelpViewer* HtmlHelp(QWidget* owner, const HelpRequest& request, HelpPane pane, const QString& fallback = {}) noexcept;
