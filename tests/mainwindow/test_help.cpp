// The help requests, the help file as built, and the viewer that shows it.

#include "ChmFile.h"
#include "HelpViewer.h"
#include "TestSupport.h"
#include "basHelp.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtEndian>

namespace {

QString BuiltHelpFile() { return QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + QStringLiteral("/Pexora.chm"); }

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() ? path : QString();
}

// The topics of the contents and of the index.
QStringList Topics(const HelpViewer* viewer) {
    QStringList topics;
    for (QTreeWidgetItemIterator it(viewer->ContentsTree()); *it; ++it) topics << (*it)->data(0, Qt::UserRole).toString();
    for (int i = 0; i < viewer->IndexList()->count(); ++i) topics << viewer->IndexList()->item(i)->data(Qt::UserRole).toString();
    topics.removeAll(QString());
    return topics;
}

QString SelectedContentsEntry(const HelpViewer* viewer) {
    const QTreeWidgetItem* item = viewer->ContentsTree()->currentItem();
    return item ? item->text(0) : QString();
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_owner;

    // Sends one of the three requests to a new owner: the contents, the index, or a topic.
    HelpViewer* Open(const QString& file, const QString& topic = QString()) {
        m_owner = std::make_unique<QWidget>();
        if (topic == QLatin1String("index")) ShowHelpIndex(m_owner.get(), file);
        else if (topic.isEmpty()) ShowHelpContents(m_owner.get(), file);
        else ShowHelpTopic(m_owner.get(), file, topic);
        return m_owner->findChild<HelpViewer*>();
    }

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(BuiltHelpFile()), "build the default target first"); }

    void cleanup() {
        m_owner.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void requestTextsAreTakenApart() {
        const QList<QPair<QString, QString>> cases{
            {"/a/P.chm::html\\license.htm>Main", "/a/P.chm|/html/license.htm|Main"},
            {"/a/P.chm::/html/a.htm", "/a/P.chm|/html/a.htm|"},  // no window type
            {"/a>b/P.chm", "/a>b/P.chm||"}};                     // a folder with ">"
        for (const auto& [request, parts] : cases) {
            const ParsedHelpRequest parsed = ParseHelpRequest(request);
            QCOMPARE(parsed.File + '|' + parsed.Topic + '|' + parsed.Window, parts);
        }
    }

    // Each request of the help menu builds its exact text and opens the viewer at its place.
    void viewerOpensWhereTheRequestAsks_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("request");  // after the file's path
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("pane");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        const QStringList welcome{"picture-matching game"};
        const QStringList licence{"GNU General Public License", "Noto Color Emoji", "Copyright \u00A9 2026 the Pexora developers"};
        QTest::newRow("contents") << "" << ">Main" << 1 << 0 << "/html/intro.htm" << "Welcome to Pexora" << welcome;
        QTest::newRow("index") << "index" << ">Main" << 2 << 1 << "/html/intro.htm" << "Welcome to Pexora" << welcome;
        QTest::newRow("License.htm") << "License.htm" << "::/html/License.htm>Main" << 1 << 0 << "/html/license.htm"
                                     << "License Agreement" << licence;
        QTest::newRow("license.htm") << "license.htm" << "::/html/license.htm>Main" << 1 << 0 << "/html/license.htm"
                                     << "License Agreement" << licence;
    }
    void viewerOpensWhereTheRequestAsks() {
        QFETCH(QString, topic);
        QFETCH(QString, request);
        HelpViewer* viewer = Open(BuiltHelpFile(), topic);
        QCOMPARE(basHelp::LastHelpRequest().Text, BuiltHelpFile() + request);
        QTEST(basHelp::LastHelpRequest().Command, "command");
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible() && viewer->isWindow() && !viewer->isModal());
        QCOMPARE(viewer->parentWidget(), m_owner.get());
        QVERIFY(viewer->Message().isEmpty());
        QTEST(viewer->Panes()->currentIndex(), "pane");
        QTEST(viewer->CurrentTopic(), "shown");
        QTEST(SelectedContentsEntry(viewer), "entry");
        QFETCH(QStringList, texts);
        for (const QString& text : texts) QVERIFY2(viewer->Browser()->toPlainText().contains(text), qPrintable(text));
        // A second request of the same owner reuses its viewer.
        ShowHelpContents(m_owner.get(), BuiltHelpFile());
        QCOMPARE(m_owner->findChildren<HelpViewer*>().size(), 1);
    }

    void indexFilterFindsAnEntryAndOpensItsTopic() {
        HelpViewer* viewer = Open(BuiltHelpFile(), QStringLiteral("index"));
        QVERIFY(viewer->IndexList()->count() > 20);
        QTest::keyClicks(viewer->IndexFilter(), QStringLiteral("f2"));
        QStringList shown;
        for (int i = 0; i < viewer->IndexList()->count(); ++i)
            if (!viewer->IndexList()->item(i)->isHidden()) shown << viewer->IndexList()->item(i)->text();
        QCOMPARE(shown, QStringList{QStringLiteral("F2 key")});
        QTest::keyClick(viewer->IndexFilter(), Qt::Key_Return);
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/keys.htm"));
        QCOMPARE(SelectedContentsEntry(viewer), QStringLiteral("Keys and Mouse"));
    }

    void linksPicturesAndEveryEntryResolveInsideTheFile() {
        HelpViewer* viewer = Open(BuiltHelpFile(), QStringLiteral("License.htm"));
        emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("gpl-3.0.htm")));
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/gpl-3.0.htm"));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("TERMS AND CONDITIONS")));
        viewer->Browser()->backward();
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/license.htm"));
        viewer->Browser()->forward();
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/gpl-3.0.htm"));

        viewer->ShowTopic(QStringLiteral("html/intro.htm"));
        const QUrl source = viewer->Browser()->source();
        const QVariant picture = viewer->Browser()->loadResource(QTextDocument::ImageResource, source.resolved(QUrl("board.png")));
        QVERIFY(!QImage::fromData(picture.toByteArray()).isNull());
        QVERIFY(viewer->Browser()->loadResource(QTextDocument::StyleSheetResource, source.resolved(QUrl("help.css")))
                    .toString().contains(QStringLiteral("font-family")));

        // Topics are found through the contents and the index, never by enumerating the file.
        QVERIFY(Topics(viewer).size() >= 40);
        for (const QString& topic : Topics(viewer))
            QVERIFY2(viewer->ShowTopic(topic) && !viewer->Browser()->toPlainText().trimmed().isEmpty(), qPrintable(topic));
    }

    void helpNumbersAgreeWithTheGame() {
        ChmFile file;
        QVERIFY(file.Open(BuiltHelpFile()));
        QStringList checks{"opt_boards:6 columns, 5 rows", "opt_boards:10 columns, 6 rows", "levels:15 sets", "levels:30 sets",
                           "levels:10 sets", "levels:20 sets", "clock:99999 seconds", "scores:five places",
                           "opt_players:25 characters", "settings:~/.config/Pexora/Pexora.ini"};
        for (const QString& name : QStringLiteral("Animals Buildings Business Communication Computer Currency Flags Food "
                                                  "Hardware Household Music Plants Science Shapes Signs Sports Transportation").split(' '))
            checks << QStringLiteral("categories:<td>%1</td>").arg(name);
        for (const QString& check : checks) {
            const QString page = QStringLiteral("html/%1.htm").arg(check.section(':', 0, 0));
            QVERIFY2(ChmFile::DecodeText(file.Read(page).value_or("")).contains(check.section(':', 1)), qPrintable(check));
        }
        const auto main = file.WindowType(QStringLiteral("Main"));
        QVERIFY(main);
        QCOMPARE(main->ContentsFile + main->IndexFile, QStringLiteral("Pexora.hhcPexora.hhk"));
    }

    void missingDamagedOrUnreadableHelpFileShowsAMessageAndTheGameGoesOn() {
        ErrorRecorder errors;  // nothing is reported as an error: the viewer says it
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("Pexora.chm"));
        HelpViewer* viewer = Open(missing);
        ShowHelpTopic(m_owner.get(), missing, QStringLiteral("License.htm"));
        QVERIFY(viewer && viewer->isVisible() && !viewer->HasFile());
        QVERIFY(viewer->Message().contains(QStringLiteral("not found")) && viewer->Message().contains(missing));
        QCOMPARE(viewer->Browser()->toPlainText(), viewer->Message());

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pexora.chm")));  // a folder in the file's place
        viewer->OpenFile(missing, QStringLiteral("Main"));
        QVERIFY(viewer->Message().contains(QStringLiteral("cannot be read")));

        // Damaged copies of the file: cut short, or with bytes spoiled, the viewer survives them all.
        const QByteArray bytes = ReadFile(BuiltHelpFile());
        QList<QByteArray> copies;
        for (qsizetype size : {qsizetype(0), qsizetype(16), qsizetype(120), qsizetype(600), qsizetype(4096),
                               bytes.size() / 3, bytes.size() / 2, bytes.size() - 200})
            copies << bytes.left(size);
        for (qsizetype at : {qsizetype(0x40), qsizetype(0x60), qsizetype(0x78), qsizetype(0x1000), qsizetype(0x1100),
                             bytes.size() / 2, bytes.size() - 100}) {
            copies << bytes;
            for (qsizetype i = at; i < qMin(at + 64, bytes.size()); ++i) copies.last()[i] = char(0xFF ^ bytes[i]);
        }
        for (int i = 0; i < copies.size(); ++i) {
            const QString path = WriteFile(dir.filePath(QStringLiteral("damaged%1.chm").arg(i)), copies[i]);
            viewer = Open(path);
            ShowHelpIndex(m_owner.get(), path);
            ShowHelpTopic(m_owner.get(), path, QStringLiteral("license.htm"));
            for (const QString& topic : Topics(viewer)) viewer->ShowTopic(topic);
            QVERIFY(viewer->isVisible());
        }

        // A compression window of 2^25 bytes passes chmlib's own checks, and its
        // decompressor then writes through a null pointer: such a file is refused.
        QByteArray hostile = bytes;
        const qsizetype control = hostile.indexOf("LZXC");
        QVERIFY(control > 0);
        qToLittleEndian(quint32(0x400), hostile.data() + control + 8);   // reset interval, in units of 0x8000 bytes
        qToLittleEndian(quint32(0x400), hostile.data() + control + 12);  // window size
        const QString path = WriteFile(dir.filePath(QStringLiteral("hostile.chm")), hostile);
        QVERIFY(!ChmFile::ReadsSafely(path));
        QVERIFY(ChmFile::ReadsSafely(BuiltHelpFile()));
        viewer = Open(path, QStringLiteral("License.htm"));
        QVERIFY(!viewer->HasFile());
        QVERIFY(viewer->Message().contains(QStringLiteral("cannot be read")));
        QCOMPARE(errors.count(), 0);
    }

    void pagesAreWindows1252UnlessTheyDeclareACharsetAndNamesUseSlashes() {
        QCOMPARE(ChmFile::DecodeText("\x93" "caf\xE9\x94 \x80"), QStringLiteral("\u201Ccaf\u00E9\u201D \u20AC"));
        QCOMPARE(ChmFile::DecodeText("<meta charset=\"utf-8\">caf\xC3\xA9"), QStringLiteral("<meta charset=\"utf-8\">caf\u00E9"));
        const char* declared = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
        QCOMPARE(ChmFile::DecodeText(QByteArray(declared) + "\x96"), QString::fromLatin1(declared) + QChar(0x2013));
        QCOMPARE(ChmFile::NormalizedName(QStringLiteral("./html\\..\\html\\Deep.htm")), QStringLiteral("/html/Deep.htm"));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
