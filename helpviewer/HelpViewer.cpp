#include "HelpViewer.h"

#include "ErrorTrap.h"
#include "Placing.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>

#include <utility>
#include <QVBoxLayout>

namespace {

constexpr int TopicRole = Qt::UserRole;
constexpr int KeyRole = Qt::UserRole + 1;
const QString Scheme = QStringLiteral("chm");

// A topic as written in a sitemap may name its own file ("ms-its:x.chm::/a.htm").
QString StripFilePart(const QString& local) {
    const qsizetype sep = local.indexOf(QLatin1String("::"));
    return sep >= 0 ? local.mid(sep + 2) : local;
}

// The topic's page without its anchor, in lower case: names in a help file
// are not case-sensitive.
QString TopicKey(const QString& topic) {
    QString page = StripFilePart(topic);
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    if (hash >= 0) page.truncate(hash);
    return ChmFile::NormalizedName(page).toLower();
}

}  // namespace

// ---------------------------------------------------------------- ChmBrowser

ChmBrowser::ChmBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QUrl ChmBrowser::TopicUrl(const QString& topic) {
    QString path = StripFilePart(topic);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString fragment;
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        fragment = path.mid(hash + 1);
        path.truncate(hash);
    }
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(ChmFile::NormalizedName(path));
    if (!fragment.isEmpty()) url.setFragment(fragment);
    return url;
}

std::optional<QString> ChmBrowser::Page(const QString& path) {
    if (!m_file) return std::nullopt;
    const auto known = m_pages.constFind(path);
    if (known != m_pages.cend()) return *known;
    const auto data = m_file->Read(path);
    // Bytes that are not a page are not shown: a page of a damaged file
    // would otherwise fill the window with junk.
    return m_pages[path] = data ? ChmFile::DecodePage(*data) : std::nullopt;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    if (!m_file || name.scheme() != Scheme) return {};
    if (type == QTextDocument::HtmlResource) {
        const auto page = Page(name.path());
        return page ? QVariant(*page) : QVariant();
    }
    const QPair<int, QString> key(type, name.path());
    if (const auto kept = m_resources.constFind(key); kept != m_resources.cend()) return *kept;
    QVariant& resource = m_resources[key];
    const auto data = m_file->Read(name.path());
    if (!data) return resource;
    switch (type) {
    case QTextDocument::StyleSheetResource:
        if (const auto text = ChmFile::DecodeText(*data)) resource = *text;
        break;
    default:
        resource = *data;
    }
    return resource;
}

// ---------------------------------------------------------------- HelpViewer

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Pexora Help"));
    if (owner) setWindowIcon(owner->window()->windowIcon());

    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    m_forward = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    auto* home = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);

    m_filter = new QLineEdit;
    m_filter->setPlaceholderText(tr("Type a word to find"));
    m_filter->setClearButtonEnabled(true);
    m_index = new QListWidget;
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(m_filter);
    indexLayout->addWidget(m_index);

    m_panes = new QTabWidget;
    m_panes->addTab(m_contents, tr("Contents"));
    m_panes->addTab(indexPage, tr("Index"));

    m_browser = new ChmBrowser;
    m_browser->SetFile(&m_file);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_panes);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 550});

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setContentsMargins(6, 3, 6, 3);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { ShowDefaultTopic(); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { OpenLink(url); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { SelectContentsFor(url); });
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { OpenContentsItem(item); });
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OpenContentsItem(item); });
    connect(m_index, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { OpenIndexItem(item); });
    connect(m_index, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OpenIndexItem(item); });
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) { FilterIndex(text); });
    connect(m_filter, &QLineEdit::returnPressed, this, [this] { OpenIndexItem(m_index->currentItem()); });

    resize(800, 560);
    if (owner) {
        // A little down and to the right of the window that asked.
        const QRect frame = owner->window()->frameGeometry();
        move(KeptOnScreen(*owner, QRect(frame.topLeft() + QPoint(40, 40), size())));
    }
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::ShowMessage(const QString& text) {
    m_message = text;
    m_browser->setPlainText(text);
}

QString HelpViewer::Status() const { return m_status->text(); }

HelpViewer::Layout HelpViewer::LayoutOf(const QString& windowType) const {
    Layout layout{m_file.Title(), m_file.ContentsFile(), m_file.IndexFile(), m_file.DefaultTopic()};
    if (const auto type = m_file.WindowType(windowType.isEmpty() ? m_file.DefaultWindow() : windowType)) {
        if (!type->Title.isEmpty()) layout.Title = type->Title;
        if (!type->ContentsFile.isEmpty()) layout.ContentsFile = type->ContentsFile;
        if (!type->IndexFile.isEmpty()) layout.IndexFile = type->IndexFile;
        if (!type->DefaultTopic.isEmpty()) layout.DefaultTopic = type->DefaultTopic;
    }
    return layout;
}

bool HelpViewer::HasPanes(const QString& windowType) const {
    const Layout layout = LayoutOf(windowType);
    return !m_file.ReadSitemap(layout.ContentsFile).isEmpty() && !m_file.ReadSitemap(layout.IndexFile).isEmpty();
}

void HelpViewer::OpenFile(const QString& path, const QString& windowType, const QString& fallback) {
    m_path = path;
    m_shownPath = path;
    m_windowType = windowType;
    m_fallback = fallback;
    m_status->clear();
    m_status->hide();
    m_message.clear();
    m_damaged = false;
    m_contents->clear();
    m_index->clear();
    m_browser->clearHistory();
    m_browser->clear();
    // The check runs while the game goes on; meanwhile the viewer is shown
    // and says so. Closed meanwhile, it is gone, and its checker with it.
    m_panes->setEnabled(false);
    ShowMessage(tr("Checking the help file..."));
    StartCheck(path);
}

void HelpViewer::StartCheck(const QString& path) {
    m_checking = true;
    m_check = std::make_unique<ChmCheck>(path);
    // Queued: a check that fails at once still answers after the request.
    connect(m_check.get(), &ChmCheck::Finished, this, [this] { CheckFinished(); }, Qt::QueuedConnection);
    m_check->Start();
}

void HelpViewer::CheckFinished() {
    const std::unique_ptr<ChmCheck> check = std::move(m_check);
    bool opened = m_file.OpenChecked(*check);
    m_browser->SetFile(&m_file);  // pages read from the file before are forgotten
    const bool readable = opened && HasPanes(m_windowType);
    if (m_shownPath == m_path && !readable && !m_fallback.isEmpty() && m_fallback != m_path) {
        // The help of the game's language is missing or damaged: the
        // English help stands in, and the status line says why.
        m_standInReason = QFileInfo::exists(m_path)
                              ? tr("The help file in your language cannot be read; the help is shown in English.")
                              : tr("The help is not available in your language; it is shown in English.");
        m_shownPath = m_fallback;
        StartCheck(m_fallback);
        return;
    }
    if (m_shownPath != m_path) {
        if (readable) {
            m_status->setText(m_standInReason);
            m_status->show();
        } else {  // neither file: what is wrong is said of the language's own
            m_shownPath = m_path;
            opened = false;
        }
    }
    m_checking = false;
    if (FillFromFile(opened)) RunRequest();
}

void HelpViewer::Request(HelpPane pane, const QString& topic) {
    m_request = {pane, topic};
    if (!m_checking) RunRequest();
}

void HelpViewer::RunRequest() {
    const std::optional<std::pair<HelpPane, QString>> request = std::exchange(m_request, std::nullopt);
    if (!request || !m_file.IsOpen()) return;
    if (request->first == HelpPane::Index) ShowIndex();
    else ShowContents();
    if (!request->second.isEmpty()) ShowTopic(request->second);
    else if (CurrentTopic().isEmpty()) ShowDefaultTopic();
}

bool HelpViewer::FillFromFile(bool opened) {
    const QString& path = m_path;
    m_message.clear();
    if (!opened) {
        m_panes->setEnabled(false);
        const QString shown = path.isEmpty() ? tr("(no file name)") : QDir::toNativeSeparators(path);
        if (!QFileInfo::exists(path))
            ShowMessage(tr("The help file was not found:\n%1\n\nPexora goes on without help; installing the game "
                           "again restores the file.").arg(shown));
        else if (m_file.Error() == ChmFile::OpenError::NoChecker)
            ShowMessage(tr("The help file cannot be read: the program that checks it first is missing:\n%1\n\n"
                           "Pexora goes on without help; installing the game again restores it.")
                            .arg(QDir::toNativeSeparators(ChmFile::CheckerPath())));
        else
            ShowMessage(tr("The help file cannot be read:\n%1\n\nIt may be damaged. Pexora goes on without help; "
                           "installing the game again restores the file.").arg(shown));
        return false;
    }
    m_panes->setEnabled(true);

    const Layout layout = LayoutOf(m_windowType);
    m_defaultTopic = layout.DefaultTopic;
    setWindowTitle(layout.Title.isEmpty() ? tr("Pexora Help") : layout.Title);
    FillContents(m_file.ReadSitemap(layout.ContentsFile));
    FillIndex(m_file.ReadSitemap(layout.IndexFile));
    // Our help file has both: an empty one is damaged, or so is the record that names it.
    m_damaged = m_contents->topLevelItemCount() == 0 || m_index->count() == 0;
    const QString damaged = tr("The help file may be damaged.");
    if (m_contents->topLevelItemCount() == 0)
        (new QTreeWidgetItem(m_contents, {tr("The contents cannot be read.")}))->setToolTip(0, damaged);
    if (m_index->count() == 0)
        (new QListWidgetItem(tr("The index cannot be read."), m_index))->setToolTip(damaged);
    if (m_defaultTopic.isEmpty() && m_contents->topLevelItemCount() > 0)
        m_defaultTopic = m_contents->topLevelItem(0)->data(0, TopicRole).toString();
    return true;
}

void HelpViewer::FillContents(const QList<HelpEntry>& entries) {
    QList<QTreeWidgetItem*> parents;
    for (const auto& entry : entries) {
        const int depth = qMin(entry.Depth, static_cast<int>(parents.size()));
        parents.resize(depth);
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.Name);
        item->setData(0, TopicRole, entry.Local);
        item->setData(0, KeyRole, entry.Local.isEmpty() ? QString() : TopicKey(entry.Local));
        parents.append(item);
    }
    m_contents->expandToDepth(0);
}

void HelpViewer::FillIndex(const QList<HelpEntry>& entries) {
    QString parent;
    for (const auto& entry : entries) {
        if (entry.Depth == 0) parent = entry.Name;
        auto* item = new QListWidgetItem(entry.Depth == 0 ? entry.Name : QStringLiteral("    ") + entry.Name, m_index);
        item->setData(TopicRole, entry.Local);
        // A sub-entry is found by its own words and by those of its keyword.
        item->setData(KeyRole, entry.Depth == 0 ? entry.Name : parent + QLatin1Char(' ') + entry.Name);
    }
}

void HelpViewer::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        const QString key = item->data(KeyRole).toString();
        const bool shown = wanted.isEmpty() || key.contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first && (wanted.isEmpty() || key.startsWith(wanted, Qt::CaseInsensitive))) first = item;
    }
    if (!first) {
        for (int i = 0; i < m_index->count() && !first; ++i)
            if (!m_index->item(i)->isHidden()) first = m_index->item(i);
    }
    m_index->setCurrentItem(first);
    if (first) m_index->scrollToItem(first);
}

void HelpViewer::OpenIndexItem(QListWidgetItem* item) {
    if (item && !item->data(TopicRole).toString().isEmpty()) ShowTopic(item->data(TopicRole).toString());
}

void HelpViewer::OpenContentsItem(QTreeWidgetItem* item) {
    if (item && !item->data(0, TopicRole).toString().isEmpty()) ShowTopic(item->data(0, TopicRole).toString());
}

void HelpViewer::OpenLink(const QUrl& url) {
    const QUrl target = m_browser->source().resolved(url);
    if (target.scheme() == Scheme) {
        if (target.path() == m_browser->source().path() && target.hasFragment()) {
            m_browser->setSource(target);
            return;
        }
        ShowTopic(target.path() + (target.hasFragment() ? QLatin1Char('#') + target.fragment() : QString()));
    } else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https") ||
               target.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(target);
    }
}

void HelpViewer::ShowContents() { m_panes->setCurrentIndex(0); }

void HelpViewer::ShowIndex() {
    m_panes->setCurrentIndex(1);
    m_filter->setFocus();
}

bool HelpViewer::ShowTopic(const QString& topic) {
    if (!m_file.IsOpen()) return false;
    const QUrl url = ChmBrowser::TopicUrl(topic);
    if (!m_damaged && !m_file.Contains(url.path())) {
        ShowMessage(tr("This help file has no topic \"%1\".").arg(StripFilePart(topic)));
        return false;
    }
    // A topic is shown as a page: bytes that are not text are not one.
    if (!m_browser->Page(url.path())) {
        ShowMessage(tr("The topic \"%1\" cannot be read; the help file may be damaged.").arg(StripFilePart(topic)));
        return false;
    }
    m_message.clear();
    m_browser->setSource(url, QTextDocument::HtmlResource);
    return true;
}

void HelpViewer::ShowDefaultTopic() {
    if (!m_defaultTopic.isEmpty()) ShowTopic(m_defaultTopic);
    else if (m_file.IsOpen())
        ShowMessage(tr("The first topic of this help file cannot be read; the help file may be damaged."));
}

QString HelpViewer::CurrentTopic() const {
    if (!m_message.isEmpty() || m_browser->source().isEmpty()) return {};
    return TopicKey(m_browser->source().path());
}

void HelpViewer::SelectContentsFor(const QUrl& source) {
    const QString key = TopicKey(source.path());
    QTreeWidgetItemIterator it(m_contents);
    while (*it) {
        if ((*it)->data(0, KeyRole).toString() == key) {
            const QSignalBlocker blocker(m_contents);
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            return;
        }
        ++it;
    }
}

// ---------------------------------------------------------------- HtmlHelp

HelpViewer* HtmlHelp(QWidget* owner, const HelpRequest& request, HelpPane pane, const QString& fallback) noexcept {
    static QPointer<HelpViewer> ownerless;
    HelpViewer* viewer = nullptr;
    Trap([&] {
        if (owner) {
            for (auto* candidate : owner->findChildren<HelpViewer*>(Qt::FindDirectChildrenOnly))
                if (candidate->FilePath() == request.file) viewer = candidate;
        } else if (ownerless && ownerless->FilePath() == request.file) {
            viewer = ownerless;
        }
        if (!viewer) {
            viewer = new HelpViewer(owner);
            if (!owner) ownerless = viewer;
        }
        // A file that could not be opened is tried again at every request;
        // a request made during the check is answered when it is done.
        if (!viewer->Checking() && !viewer->HasFile()) viewer->OpenFile(request.file, request.window, fallback);
        viewer->Request(pane, request.topic);
        viewer->show();
        viewer->raise();
        viewer->activateWindow();
    });
    return viewer;
}
