// The help viewer's own reading of what comes out of a help file, on any
// bytes: decoded as a page, parsed as a contents or index list whose topics
// are opened, and shown as a topic of the game's help file with its links
// followed and its pictures and style sheets loaded. No crash, bounded time.
// A topic of the help file itself is laid out once a run, the first time an
// input leads to it: the same page laid out again finds nothing new and
// would take most of the time. Each input is laid out once, at a fixed
// width (a width set after the page would lay it out a second time).
#include "ChmFile.h"
#include "HelpViewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>

namespace {

// Links out of the help file go nowhere during the run.
class NoBrowser : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

HelpViewer* g_viewer = nullptr;

// Whether the topic at url is opened for this input: once a run for each
// page (a link within the page shown, or to another part of a page,
// is followed each time).
bool FirstVisit(const QUrl& url) {
    static QSet<QString> visited;
    if (url.scheme() != ChmBrowser::TopicUrl(QString()).scheme()) return true;
    const QString page = url.path().toLower();
    if (visited.contains(page)) return false;
    visited.insert(page);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static NoBrowser links;
    for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::setUrlHandler(QLatin1String(scheme), &links, "open");
    g_viewer = new HelpViewer(nullptr);
    g_viewer->OpenFile(qEnvironmentVariable("PEXORA_BINARY_DIR") + QStringLiteral("/Pexora.chm"), QStringLiteral("Main"));
    while (g_viewer->Checking()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!g_viewer->HasFile()) qFatal("no help file in PEXORA_BINARY_DIR");
    // Laid out once an input, at the viewer's width.
    g_viewer->Browser()->setLineWrapMode(QTextEdit::FixedPixelWidth);
    g_viewer->Browser()->setLineWrapColumnOrWidth(550);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = ChmFile::DecodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!text) return 0;
    // Opening a topic lays out a whole page: a few of them stand for the rest.
    constexpr qsizetype Opened = 4;
    for (const HelpEntry& entry : ChmFile::ParseSitemap(*text).mid(0, Opened))
        if (FirstVisit(ChmBrowser::TopicUrl(entry.Local))) g_viewer->ShowTopic(entry.Local);
    ChmBrowser* page = g_viewer->Browser();
    page->document()->setBaseUrl(ChmBrowser::TopicUrl(QStringLiteral("html/intro.htm")));
    page->setHtml(*text);
    page->document()->size();  // laid out: pictures and style sheets loaded
    QStringList links;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor()) links << it.fragment().charFormat().anchorHref();
    for (const QString& link : links.mid(0, Opened)) {
        const QUrl target = page->source().resolved(QUrl(link));
        const bool withinPage = target.path() == page->source().path() && target.hasFragment();
        if (withinPage || FirstVisit(target)) emit page->anchorClicked(QUrl(link));
    }
    return 0;
}

#include "help.moc"
