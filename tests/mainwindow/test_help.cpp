// The help requests, the help file as built, and the viewer that shows it.

#include "ChmFile.h"
#include "HelpViewer.h"
#include "TestSupport.h"
#include "basHelp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtEndian>

namespace {

QString BuiltHelpFile() {
    return QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + QStringLiteral("/Pexora.chm");
}

QStringList ContentsTopics(const HelpViewer* viewer) {
    QStringList topics;
    for (QTreeWidgetItemIterator it(viewer->ContentsTree()); *it; ++it)
        if (!(*it)->data(0, Qt::UserRole).toString().isEmpty()) topics << (*it)->data(0, Qt::UserRole).toString();
    return topics;
}

QString SelectedContentsEntry(const HelpViewer* viewer) {
    const QTreeWidgetItem* item = viewer->ContentsTree()->currentItem();
    return item ? item->text(0) : QString();
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(BuiltHelpFile()),
                 qPrintable(BuiltHelpFile() + QStringLiteral(" is missing: build the default target first")));
    }

    void cleanup() {
        m_owner.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void requestTextsNameTheFileTheTopicAndTheWindowType() {
        m_owner = std::make_unique<QWidget>();
        ErrorRecorder errors;
        const QString file = QStringLiteral("/opt/games/pexora/Pexora.chm");

        ShowHelpContents(m_owner.get(), file);
        QCOMPARE(basHelp::LastHelpRequest().Text, QStringLiteral("/opt/games/pexora/Pexora.chm>Main"));
        QCOMPARE(basHelp::LastHelpRequest().Command, 1);

        ShowHelpIndex(m_owner.get(), file);
        QCOMPARE(basHelp::LastHelpRequest().Text, QStringLiteral("/opt/games/pexora/Pexora.chm>Main"));
        QCOMPARE(basHelp::LastHelpRequest().Command, 2);

        ShowHelpTopic(m_owner.get(), file, QStringLiteral("License.htm"));
        QCOMPARE(basHelp::LastHelpRequest().Text,
                 QStringLiteral("/opt/games/pexora/Pexora.chm::/html/License.htm>Main"));
        QCOMPARE(basHelp::LastHelpRequest().Command, 1);

        // The file does not exist: the viewer says so, nothing is reported as an error.
        QCOMPARE(errors.count(), 0);
    }

    void requestTextsAreTakenApart_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("window");
        QTest::newRow("contents") << "/a/Pexora.chm>Main" << "/a/Pexora.chm" << "" << "Main";
        QTest::newRow("topic") << "/a/Pexora.chm::/html/License.htm>Main" << "/a/Pexora.chm" << "/html/License.htm"
                               << "Main";
        QTest::newRow("backslashes") << "/a/Pexora.chm::html\\license.htm>Main" << "/a/Pexora.chm"
                                     << "/html/license.htm" << "Main";
        QTest::newRow("no window type") << "/a/Pexora.chm::/html/a.htm" << "/a/Pexora.chm" << "/html/a.htm" << "";
        QTest::newRow("folder with >") << "/a>b/Pexora.chm" << "/a>b/Pexora.chm" << "" << "";
    }
    void requestTextsAreTakenApart() {
        QFETCH(QString, request);
        const ParsedHelpRequest parsed = ParseHelpRequest(request);
        QTEST(parsed.File, "file");
        QTEST(parsed.Topic, "topic");
        QTEST(parsed.Window, "window");
    }

    void contentsRequestOpensTheContentsAtTheFirstTopic() {
        m_owner = std::make_unique<QWidget>();
        ShowHelpContents(m_owner.get(), BuiltHelpFile());
        auto viewers = m_owner->findChildren<HelpViewer*>();
        QCOMPARE(viewers.size(), 1);
        HelpViewer* viewer = viewers.first();
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->parentWidget(), m_owner.get());
        QVERIFY(viewer->Message().isEmpty());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Pexora Help"));
        QCOMPARE(viewer->Panes()->currentIndex(), 0);
        QCOMPARE(viewer->ContentsTree()->topLevelItem(0)->text(0), QStringLiteral("Welcome to Pexora"));
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/intro.htm"));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("picture-matching game")));

        // A second request of the same owner reuses its viewer.
        ShowHelpIndex(m_owner.get(), BuiltHelpFile());
        QCOMPARE(m_owner->findChildren<HelpViewer*>().size(), 1);
    }

    void indexRequestOpensTheFilterableIndex() {
        m_owner = std::make_unique<QWidget>();
        ShowHelpIndex(m_owner.get(), BuiltHelpFile());
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QCOMPARE(viewer->Panes()->currentIndex(), 1);
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

    void licenceTopicAnswersBothSpellings_data() {
        QTest::addColumn<QString>("topic");
        QTest::newRow("Help menu") << "License.htm";
        QTest::newRow("About window") << "license.htm";
    }
    void licenceTopicAnswersBothSpellings() {
        QFETCH(QString, topic);
        m_owner = std::make_unique<QWidget>();
        ShowHelpTopic(m_owner.get(), BuiltHelpFile(), topic);
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->Message().isEmpty());
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/license.htm"));
        QCOMPARE(viewer->Panes()->currentIndex(), 0);
        QCOMPARE(SelectedContentsEntry(viewer), QStringLiteral("License Agreement"));
        const QString text = viewer->Browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("GNU General Public License")));
        QVERIFY(text.contains(QStringLiteral("Noto Color Emoji")));
        QVERIFY(text.contains(QStringLiteral("Copyright \u00A9 2026 the Pexora developers")));
    }

    void linksAndPicturesResolveInsideTheFile() {
        m_owner = std::make_unique<QWidget>();
        ShowHelpTopic(m_owner.get(), BuiltHelpFile(), QStringLiteral("License.htm"));
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);

        emit viewer->Browser()->anchorClicked(QUrl(QStringLiteral("gpl-3.0.htm")));
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/gpl-3.0.htm"));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("TERMS AND CONDITIONS")));
        viewer->Browser()->backward();
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/license.htm"));
        viewer->Browser()->forward();
        QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/gpl-3.0.htm"));

        // The welcome page's picture and every page's style sheet come from the file.
        viewer->ShowTopic(QStringLiteral("html/intro.htm"));
        const QUrl picture = viewer->Browser()->source().resolved(QUrl(QStringLiteral("board.png")));
        const QVariant bytes = viewer->Browser()->loadResource(QTextDocument::ImageResource, picture);
        QVERIFY(!QImage::fromData(bytes.toByteArray()).isNull());
        const QUrl sheet = viewer->Browser()->source().resolved(QUrl(QStringLiteral("help.css")));
        QVERIFY(viewer->Browser()->loadResource(QTextDocument::StyleSheetResource, sheet).toString().contains(
            QStringLiteral("font-family")));
    }

    void everyContentsAndIndexEntryOpensATopic() {
        m_owner = std::make_unique<QWidget>();
        ShowHelpContents(m_owner.get(), BuiltHelpFile());
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QStringList topics = ContentsTopics(viewer);
        QVERIFY(topics.size() >= 20);
        for (int i = 0; i < viewer->IndexList()->count(); ++i)
            topics << viewer->IndexList()->item(i)->data(Qt::UserRole).toString();
        for (const QString& topic : topics) {
            QVERIFY2(viewer->ShowTopic(topic), qPrintable(topic));
            QVERIFY2(!viewer->Browser()->toPlainText().trimmed().isEmpty(), qPrintable(topic));
        }
    }

    void helpNumbersAgreeWithTheGame() {
        // The figures a player reads in the help are the game's own.
        ChmFile file;
        QVERIFY(file.Open(BuiltHelpFile()));
        auto page = [&](const char* name) { return ChmFile::DecodeText(file.Read(QLatin1String(name)).value_or("")); };
        QVERIFY(page("html/opt_boards.htm").contains(QStringLiteral("6 columns, 5 rows")));
        QVERIFY(page("html/opt_boards.htm").contains(QStringLiteral("10 columns, 6 rows")));
        const QString levels = page("html/levels.htm");
        for (const char* sets : {"15 sets", "30 sets", "10 sets", "20 sets"}) QVERIFY(levels.contains(QLatin1String(sets)));
        QVERIFY(page("html/clock.htm").contains(QStringLiteral("99999 seconds")));
        QVERIFY(page("html/scores.htm").contains(QStringLiteral("five places")));
        QVERIFY(page("html/opt_players.htm").contains(QStringLiteral("25 characters")));
        QVERIFY(page("html/settings.htm").contains(QStringLiteral("~/.config/Pexora/Pexora.ini")));
        const QString categories = page("html/categories.htm");
        for (const char* name : {"Animals", "Buildings", "Business", "Communication", "Computer", "Currency", "Flags",
                                 "Food", "Hardware", "Household", "Music", "Plants", "Science", "Shapes", "Signs",
                                 "Sports", "Transportation"})
            QVERIFY2(categories.contains(QStringLiteral("<td>%1</td>").arg(QLatin1String(name))), name);
        const auto main = file.WindowType(QStringLiteral("Main"));
        QVERIFY(main);
        QCOMPARE(main->ContentsFile, QStringLiteral("Pexora.hhc"));
        QCOMPARE(main->IndexFile, QStringLiteral("Pexora.hhk"));
    }

    void missingHelpFileShowsAMessageAndTheGameGoesOn() {
        m_owner = std::make_unique<QWidget>();
        ErrorRecorder errors;
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("Pexora.chm"));
        ShowHelpContents(m_owner.get(), missing);
        ShowHelpTopic(m_owner.get(), missing, QStringLiteral("License.htm"));
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->HasFile());
        QVERIFY(viewer->Message().contains(QStringLiteral("not found")));
        QVERIFY(viewer->Message().contains(missing));
        QCOMPARE(viewer->Browser()->toPlainText(), viewer->Message());
        QCOMPARE(errors.count(), 0);

        // A folder in the file's place is no help file either.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pexora.chm")));
        viewer->OpenFile(missing, QStringLiteral("Main"));
        QVERIFY(viewer->Message().contains(QStringLiteral("cannot be read")));
    }

    void damagedHelpFilesDoNotCrashTheViewer() {
        QFile original(BuiltHelpFile());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        QTemporaryDir dir;
        QList<QByteArray> copies;
        for (qsizetype size : {qsizetype(0), qsizetype(16), qsizetype(120), qsizetype(600), qsizetype(4096),
                               bytes.size() / 3, bytes.size() / 2, bytes.size() - 200})
            copies << bytes.left(size);
        for (qsizetype at : {qsizetype(0x40), qsizetype(0x60), qsizetype(0x78), qsizetype(0x1000),
                             qsizetype(0x1100), bytes.size() / 2, bytes.size() - 100}) {
            QByteArray spoiled = bytes;
            for (qsizetype i = at; i < qMin(at + 64, spoiled.size()); ++i) spoiled[i] = char(0xFF ^ spoiled[i]);
            copies << spoiled;
        }
        for (int i = 0; i < copies.size(); ++i) {
            const QString path = dir.filePath(QStringLiteral("damaged%1.chm").arg(i));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(copies[i]);
            out.close();
            auto owner = std::make_unique<QWidget>();
            ShowHelpContents(owner.get(), path);
            ShowHelpIndex(owner.get(), path);
            ShowHelpTopic(owner.get(), path, QStringLiteral("license.htm"));
            HelpViewer* viewer = owner->findChild<HelpViewer*>();
            QVERIFY(viewer);
            for (const QString& topic : ContentsTopics(viewer)) viewer->ShowTopic(topic);
            QVERIFY(viewer->isVisible());
        }
    }

    void fileThatWouldCrashTheReaderIsRefusedWithAMessage() {
        // A compression window of 2^25 bytes passes chmlib's own checks, and
        // its decompressor then writes through a null pointer.
        QFile original(BuiltHelpFile());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        const qsizetype control = bytes.indexOf("LZXC");
        QVERIFY(control > 0);
        const quint32 huge = 0x400;  // in units of 0x8000 bytes, as version 2 counts them
        qToLittleEndian(huge, bytes.data() + control + 8);   // reset interval
        qToLittleEndian(huge, bytes.data() + control + 12);  // window size
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Pexora.chm"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();

        QVERIFY(!ChmFile::ReadsSafely(path));
        m_owner = std::make_unique<QWidget>();
        ShowHelpTopic(m_owner.get(), path, QStringLiteral("License.htm"));
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY(!viewer->HasFile());
        QVERIFY(viewer->Message().contains(QStringLiteral("cannot be read")));
        QVERIFY(ChmFile::ReadsSafely(BuiltHelpFile()));
    }

    void sitemapsAreReadAsTheCompilerWritesThem() {
        const QString text = QStringLiteral(
            "<OBJECT type=\"text/site properties\"><param name=\"Window Styles\" value=\"0x800025\"></OBJECT>"
            "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Fish &amp; Chips\">"
            "<param name=\"Local\" value=\"html\\food.htm\"></OBJECT>"
            "<UL><LI><object type='text/sitemap'><param name=Name value=Deep><param name=\"Local\" "
            "value=\"html/deep.htm#part\"></object></UL>"
            "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Heading\"></OBJECT></UL>");
        const QList<HelpEntry> entries = ChmFile::ParseSitemap(text);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].Name, QStringLiteral("Fish & Chips"));
        QCOMPARE(entries[0].Local, QStringLiteral("html/food.htm"));
        QCOMPARE(entries[0].Depth, 0);
        QCOMPARE(entries[1].Name, QStringLiteral("Deep"));
        QCOMPARE(entries[1].Local, QStringLiteral("html/deep.htm#part"));
        QCOMPARE(entries[1].Depth, 1);
        QCOMPARE(entries[2].Local, QString());
        QCOMPARE(ChmFile::NormalizedName(QStringLiteral("html\\Deep.htm")), QStringLiteral("/html/Deep.htm"));
        QCOMPARE(ChmFile::NormalizedName(QStringLiteral("#SYSTEM")), QStringLiteral("/#SYSTEM"));
        QCOMPARE(ChmFile::NormalizedName(QStringLiteral("./html/../a.htm")), QStringLiteral("/a.htm"));
    }

    void pagesAreDecodedAsWindows1252UnlessTheyDeclareACharset() {
        QCOMPARE(ChmFile::DecodeText(QByteArray("\x93" "caf\xE9\x94 \x80")),
                 QStringLiteral("\u201Ccaf\u00E9\u201D \u20AC"));
        QCOMPARE(ChmFile::DecodeText(QByteArray("<meta charset=\"utf-8\">caf\xC3\xA9")),
                 QStringLiteral("<meta charset=\"utf-8\">caf\u00E9"));
        QCOMPARE(ChmFile::DecodeText(QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                                "charset=windows-1252\">\x96")),
                 QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                                "\u2013"));
    }

private:
    std::unique_ptr<QWidget> m_owner;
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
