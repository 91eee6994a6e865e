// The help requests, the help file as built, and the viewer that shows it.

#include "ChmFile.h"
#include "HelpViewer.h"
#include "TestSupport.h"
#include "Help.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtEndian>

namespace {

QString BuiltHelpFile(const QString& language = {}) {
    return QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + QLatin1Char('/') + Help::HelpFileName(language);
}

// English, then every language whose help is built.
QStringList HelpLanguages() {
    return QStringList{QString()} + qEnvironmentVariable("PEXORA_HELP_LANGUAGES").split(' ', Qt::SkipEmptyParts);
}

// The topics (Qt::UserRole) or the lines shown (Qt::DisplayRole) of the contents and of the index.
QStringList PaneEntries(const HelpViewer* viewer, int role = Qt::UserRole) {
    QStringList entries;
    for (QTreeWidgetItemIterator it(viewer->ContentsTree()); *it; ++it) entries << (*it)->data(0, role).toString();
    for (int i = 0; i < viewer->IndexList()->count(); ++i) entries << viewer->IndexList()->item(i)->data(role).toString();
    if (role == Qt::UserRole) entries.removeAll(QString());
    return entries;
}

quint32 Dword(const QByteArray& data, qsizetype at) {
    return at >= 0 && at + 4 <= data.size() ? qFromLittleEndian<quint32>(data.constData() + at) : 0xFFFFFFFF;
}

// A copy of the built help file whose compile times chm_times has set from
// SOURCE_DATE_EPOCH (left out where epoch is negative).
QByteArray Stamped(const QTemporaryDir& dir, qint64 epoch) {
    const QString path = WriteFile(dir.filePath(QStringLiteral("stamped%1.chm").arg(epoch)), ReadFile(BuiltHelpFile()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SOURCE_DATE_EPOCH"));
    if (epoch >= 0) env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QString::number(epoch));
    QProcess stamp;
    stamp.setProcessEnvironment(env);
    stamp.start(QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + QStringLiteral("/Help/chm_times"), {path});
    const bool stamped = stamp.waitForFinished() && stamp.exitStatus() == QProcess::NormalExit && stamp.exitCode() == 0;
    return stamped && ChmFile::ReadThrough(path) ? ReadFile(path) : QByteArray();
}

QString SelectedContentsEntry(const HelpViewer* viewer) {
    const QTreeWidgetItem* item = viewer->ContentsTree()->currentItem();
    return item ? item->text(0) : QString();
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_owner;

    // Sends one of the three requests to a new owner: the contents, the
    // index, or a topic; and waits for the check of the file.
    HelpViewer* Open(const QString& file, const QString& topic = QString()) {
        m_owner = std::make_unique<QWidget>();
        if (topic == QLatin1String("index")) ShowHelpIndex(m_owner.get(), file);
        else if (topic.isEmpty()) ShowHelpContents(m_owner.get(), file);
        else ShowHelpTopic(m_owner.get(), file, topic);
        HelpViewer* viewer = m_owner->findChild<HelpViewer*>();
        if (viewer) Checked(*viewer);
        return viewer;
    }

    static void Checked(HelpViewer& viewer) {
        if (!QTest::qWaitFor([&] { return !viewer.Checking(); }, 20000)) QFAIL("the help check never answered");
    }

private slots:
    void initTestCase() {
        QuietOffscreenPlatform();
        QVERIFY2(QFile::exists(BuiltHelpFile()), "build the default target first");
    }

    void cleanup() {
        m_owner.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each request of the help menu opens the viewer on the game's help file at its place.
    void viewerOpensWhereTheRequestAsks_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<int>("pane");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        const QStringList welcome{"picture-matching game"};
        const QStringList licence{"GNU General Public License", "Noto Color Emoji", "Copyright \u00A9 2026 the Pexora developers"};
        QTest::newRow("contents") << "" << 0 << "/html/intro.htm" << "Welcome to Pexora" << welcome;
        QTest::newRow("index") << "index" << 1 << "/html/intro.htm" << "Welcome to Pexora" << welcome;
        QTest::newRow("License.htm") << "License.htm" << 0 << "/html/license.htm" << "License Agreement" << licence;
        QTest::newRow("license.htm") << "license.htm" << 0 << "/html/license.htm" << "License Agreement" << licence;
    }
    void viewerOpensWhereTheRequestAsks() {
        QFETCH(QString, topic);
        HelpViewer* viewer = Open(BuiltHelpFile(), topic);
        QVERIFY(viewer);
        QCOMPARE(viewer->FilePath(), BuiltHelpFile());
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

    void linksPicturesAndEveryEntryResolveInsideTheFile_data() {
        QTest::addColumn<QString>("file");
        for (const QString& language : HelpLanguages())
            QTest::newRow(qPrintable(language.isEmpty() ? QStringLiteral("en") : language)) << BuiltHelpFile(language);
    }

    // In every language's file: the licence text (English in all of them),
    // the pictures and style sheet, every entry of the contents and index,
    // and every link of every page they lead to.
    void linksPicturesAndEveryEntryResolveInsideTheFile() {
        QFETCH(QString, file);
        HelpViewer* viewer = Open(file, QStringLiteral("License.htm"));
        QVERIFY(!viewer->Checking());
        QCOMPARE(viewer->ShownFile(), file);
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
        QVERIFY(PaneEntries(viewer).size() >= 40);
        ChmFile chm;
        QVERIFY(chm.Open(file));
        const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)[^\"]*\""), QRegularExpression::CaseInsensitiveOption);
        for (const QString& topic : PaneEntries(viewer)) {
            QVERIFY2(viewer->ShowTopic(topic) && !viewer->Browser()->toPlainText().trimmed().isEmpty(), qPrintable(topic));
            const QString page = ChmFile::DecodeText(*chm.Read(viewer->Browser()->source().path())).value_or(QString());
            for (const auto& link : href.globalMatch(page)) {
                const QString target = link.captured(1);
                if (target.isEmpty() || target.contains(QLatin1Char(':'))) continue;  // a place on the page, or the web
                const QString path = viewer->Browser()->source().resolved(QUrl(target)).path();
                QVERIFY2(chm.Contains(path), qPrintable(topic + " links to a missing " + target));
            }
        }
    }

    // A language without a help file, or with one that cannot be read, gets
    // the English help, and the status line says which and why.
    void theEnglishHelpStandsInForALanguagesMissingOrDamagedFile() {
        const QString language = HelpLanguages().value(1);
        if (language.isEmpty()) QSKIP("no language's help is built");
        QTemporaryDir dir;
        const QString english = WriteFile(dir.filePath(Help::HelpFileName({})), ReadFile(BuiltHelpFile()));
        Help::SetHelpFiles(dir.path(), language);
        QCOMPARE(Help::EnglishHelpFile(), english);
        QStringList statuses;
        for (const QByteArray& bytes : {QByteArray(), ReadFile(BuiltHelpFile(language)).left(4096), ReadFile(BuiltHelpFile(language))}) {
            if (!bytes.isEmpty()) WriteFile(Help::HelpFile(), bytes);
            HelpViewer* viewer = Open(Help::HelpFile());
            QVERIFY2(viewer->Message().isEmpty() && !viewer->CurrentTopic().isEmpty(), qPrintable(viewer->Message()));
            QCOMPARE(viewer->ShownFile(), bytes.size() > 4096 ? Help::HelpFile() : english);
            QCOMPARE(viewer->Status().isEmpty(), bytes.size() > 4096);
            QCOMPARE(viewer->findChild<QWidget*>(QStringLiteral("lblStatus"))->isVisibleTo(viewer), bytes.size() <= 4096);
            statuses << viewer->Status();
        }
        QVERIFY(statuses[0] != statuses[1]);  // missing, and damaged
        Help::SetHelpFiles({}, {});
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
            QVERIFY2(ChmFile::DecodeText(file.Read(page).value_or("")).value_or("").contains(check.section(':', 1)), qPrintable(check));
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
        ShowHelpTopic(m_owner.get(), missing, QStringLiteral("License.htm"));  // tried again
        Checked(*viewer);
        QVERIFY(viewer && viewer->isVisible() && !viewer->HasFile());
        QVERIFY(viewer->Message().contains(QStringLiteral("not found")) && viewer->Message().contains(missing));
        QCOMPARE(viewer->Browser()->toPlainText(), viewer->Message());

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pexora.chm")));  // a folder in the file's place
        viewer->OpenFile(missing, QStringLiteral("Main"));
        Checked(*viewer);
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
        // Each request shows the very page the intact file shows, or a message that the help
        // cannot be read; the contents and the index are whole or say they cannot be read.
        HelpViewer intact(nullptr);
        intact.OpenFile(BuiltHelpFile(), QStringLiteral("Main"));
        Checked(intact);
        QVERIFY(intact.HasFile());
        const QStringList intactPanes = PaneEntries(&intact, Qt::DisplayRole), intactTopics = PaneEntries(&intact);
        const QStringList unreadablePanes{"The contents cannot be read.", "The index cannot be read."};
        QHash<QString, QString> pages;  // topic -> its text in the intact file
        const auto fault = [&](HelpViewer* viewer) -> QString {  // what is wrong with what the viewer shows
            const QString shown = viewer->Browser()->toPlainText();
            if (viewer->CurrentTopic().isEmpty())
                return shown == viewer->Message() && shown.contains(QStringLiteral("cannot be read")) ? QString() : shown.left(200);
            if (!pages.contains(viewer->CurrentTopic()) && intact.ShowTopic(viewer->CurrentTopic()))
                pages.insert(viewer->CurrentTopic(), intact.Browser()->toPlainText());
            if (shown != pages.value(viewer->CurrentTopic())) return viewer->CurrentTopic() + ": " + shown.left(200);
            for (const QString& line : PaneEntries(viewer, Qt::DisplayRole))
                if (!intactPanes.contains(line) && !unreadablePanes.contains(line)) return line;
            return viewer->HasFile() && PaneEntries(viewer, Qt::DisplayRole).isEmpty() ? QStringLiteral("empty panes") : QString();
        };
        for (int i = 0; i < copies.size(); ++i) {
            const QString path = WriteFile(dir.filePath(QStringLiteral("damaged%1.chm").arg(i)), copies[i]);
            for (const QString request : {"", "index", "License.htm"}) {
                viewer = Open(path, request);
                QVERIFY2(fault(viewer).isEmpty(), qPrintable(QString::number(i) + request + ": " + fault(viewer)));
            }
            for (const QString& topic : QSet<QString>(intactTopics.begin(), intactTopics.end())) {
                viewer->ShowTopic(topic);
                QVERIFY2(fault(viewer).isEmpty(), qPrintable(QString::number(i) + topic + ": " + fault(viewer)));
            }
        }

        QCOMPARE(errors.count(), 0);
    }

    // A compression window of 2^25 bytes passes chmlib's own checks, and its decompressor then writes
    // through a null pointer: the checker, beside the game and beside the tests, refuses such a file
    // and the viewer says so. Without a checker no file is opened.
    void checkerProgramRefusesAFileThatCrashesTheReader() {
        QTemporaryDir dir;
        QByteArray hostile = ReadFile(BuiltHelpFile());
        const qsizetype control = hostile.indexOf("LZXC");
        QVERIFY(control > 0);
        qToLittleEndian(quint32(0x400), hostile.data() + control + 8);   // reset interval, in units of 0x8000 bytes
        qToLittleEndian(quint32(0x400), hostile.data() + control + 12);  // window size
        const QString path = WriteFile(dir.filePath(QStringLiteral("hostile.chm")), hostile);
        for (const QString& checker : {ChmFile::CheckerPath(), QString::fromLocal8Bit(qgetenv("PEXORA_BINARY_DIR")) + "/pexora-helpcheck"}) {
            QVERIFY2(ChmFile::CheckedByChild(BuiltHelpFile(), checker), qPrintable(checker));
            ChmFile::OpenError error = ChmFile::OpenError::None;
            QVERIFY(!ChmFile::CheckedByChild(path, checker, &error));
            QCOMPARE(error, ChmFile::OpenError::Unreadable);
        }
        HelpViewer* viewer = Open(path, QStringLiteral("License.htm"));
        QVERIFY(!viewer->HasFile() && viewer->Browser()->toPlainText().contains(QStringLiteral("cannot be read")));
        ChmFile file;
        QVERIFY(!file.Open(BuiltHelpFile(), dir.filePath(QStringLiteral("pexora-helpcheck"))));
        QCOMPARE(file.Error(), ChmFile::OpenError::NoChecker);
    }

    // The help compiler writes its time of day (milliseconds since midnight) into the header, big
    // endian, and into the #SYSTEM record of code 10: the build sets both from SOURCE_DATE_EPOCH, so
    // that the same sources give the same file on any day, and the file still reads through.
    void helpFileCarriesTheTimeOfSourceDateEpochAndNoOther() {
        QTemporaryDir dir;
        const quint32 oneOhOne = 3661000;  // 01:01:01
        const QByteArray stamped = Stamped(dir, 3661), daysLater = Stamped(dir, 20 * 86400 + 3661), midnight = Stamped(dir, -1);
        QVERIFY(!stamped.isEmpty() && !midnight.isEmpty());
        QCOMPARE(daysLater, stamped);
        QCOMPARE(qFromBigEndian<quint32>(stamped.constData() + 0x10), oneOhOne);
        ChmFile file;
        QVERIFY(file.Open(dir.filePath(QStringLiteral("stamped3661.chm"))));
        const QByteArray system = file.Read(QStringLiteral("/#SYSTEM")).value_or("");
        qsizetype at = 4;  // after the version: code, length, data
        while (at + 4 <= system.size() && qFromLittleEndian<quint16>(system.constData() + at) != 10)
            at += 4 + qFromLittleEndian<quint16>(system.constData() + at + 2);
        QCOMPARE(Dword(system, at + 4), oneOhOne);
        // 0x0037DCC8 against zero: three bytes in each of the two fields, nothing else.
        QCOMPARE(stamped.size(), midnight.size());
        int differing = 0;
        for (qsizetype i = 0; i < stamped.size(); ++i) differing += stamped[i] != midnight[i];
        QCOMPARE(differing, 6);
    }

    // The check runs while the game's events go on, and the file opened is
    // the one checked: a file changed while it was checked is refused. The
    // viewer is there, saying so, from the request on; closed during the
    // check, it stays closed.
    void theHelpCheckLetsTheGameGoOnAndOpensOnlyTheFileItChecked() {
        QTemporaryDir dir;
        const QString copy = WriteFile(dir.filePath(QStringLiteral("Pexora.chm")), ReadFile(BuiltHelpFile()));
        const auto checker = [&](const QString& name, const QString& after) {
            const QString path = WriteFile(dir.filePath(name), QStringLiteral("#!/bin/sh\nsleep 1\n'%1' \"$@\"; s=$?\n%2\nexit $s\n")
                                                                   .arg(ChmFile::CheckerPath(), after).toUtf8());
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            return path;
        };
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, this, [&] { ++ticks; });
        clock.start(20);
        ChmFile file;
        for (const auto& [name, after, passes] : {std::tuple{"slow", QString(), true},
                                                  {"grows", QStringLiteral("echo junk >> '%1'").arg(copy), false}}) {
            ChmCheck check(copy, checker(QLatin1String(name), after));
            check.Start();
            ticks = 0;
            QTRY_VERIFY_WITH_TIMEOUT(check.Done(), 20000);
            QVERIFY2(ticks > 5, qPrintable(QString::number(ticks)));
            QCOMPARE(file.OpenChecked(check), passes);
        }
        QCOMPARE(file.Error(), ChmFile::OpenError::Unreadable);

        HelpViewer* viewer = nullptr;
        for (bool close : {false, true}) {
            m_owner = std::make_unique<QWidget>();
            ShowHelpContents(m_owner.get(), BuiltHelpFile());
            viewer = m_owner->findChild<HelpViewer*>();
            QVERIFY(viewer && viewer->isVisible() && viewer->Checking());
            QCOMPARE(viewer->Message(), QStringLiteral("Checking the help file..."));
            ShowHelpIndex(m_owner.get(), BuiltHelpFile());  // the last request made during the check is answered
            if (close) {
                viewer->close();
            } else {
                Checked(*viewer);
                QCOMPARE(viewer->Panes()->currentIndex(), 1);
                QCOMPARE(viewer->CurrentTopic(), QStringLiteral("/html/intro.htm"));
            }
        }
        const QPointer<HelpViewer> closed(viewer);
        QTest::qWait(1500);
        QVERIFY(!closed || !closed->isVisible());
    }

    // A generic viewer names each topic after the entry of the file's topic table (#TOPICS, whose
    // titles and addresses point into #STRINGS and #URLTBL/#URLSTR): that is the page's own <title>.
    void topicTableTitlesEveryPageWithItsOwnTitle() {
        ChmFile file;
        QVERIFY(file.Open(BuiltHelpFile()));
        const QByteArray topics = file.Read("/#TOPICS").value_or(""), strings = file.Read("/#STRINGS").value_or("");
        const QByteArray urls = file.Read("/#URLTBL").value_or(""), names = file.Read("/#URLSTR").value_or("");
        const auto text = [](const QByteArray& data, quint32 at) { return at < data.size() ? QString::fromLatin1(data.constData() + at) : QString(); };
        QMap<QString, QString> titles;
        for (qsizetype at = 0; at + 16 <= topics.size(); at += 16) {
            const QString page = text(names, Dword(urls, Dword(topics, at + 8) + 8) + 8).toLower();
            QVERIFY2(!titles.contains(page), qPrintable(page));
            titles.insert(page, text(strings, Dword(topics, at + 4)));
        }
        const QDir html(qEnvironmentVariable("PEXORA_SOURCE_DIR") + QStringLiteral("/Help/html"));
        const QStringList pages = html.entryList({QStringLiteral("*.htm")});
        QVERIFY(pages.size() >= 38);
        static const QRegularExpression title(QStringLiteral("<title>\\s*(.*?)\\s*</title>"), QRegularExpression::CaseInsensitiveOption);
        for (const QString& page : pages)
            QCOMPARE(titles.value("html/" + page.toLower()), title.match(ChmFile::DecodeText(ReadFile(html.filePath(page))).value_or("")).captured(1));
    }

    void pagesAreWindows1252UnlessTheyDeclareACharsetAndNamesUseSlashes() {
        QCOMPARE(ChmFile::DecodeText("\x93" "caf\xE9\x94 \x80"), QStringLiteral("\u201Ccaf\u00E9\u201D \u20AC"));
        QCOMPARE(ChmFile::DecodeText("<meta charset=\"utf-8\">caf\xC3\xA9"), QStringLiteral("<meta charset=\"utf-8\">caf\u00E9"));
        const char* declared = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
        QCOMPARE(ChmFile::DecodeText(QByteArray(declared) + "\x96"), QString::fromLatin1(declared) + QChar(0x2013));
        // Not text: a NUL, a control character, a byte windows-1252 leaves out, a broken UTF-8 sequence.
        for (const QByteArray& junk : {QByteArray("<p>a\0b", 7), QByteArray("<p>\x01"), QByteArray("<p>\x81"),
                                       QByteArray("<meta charset=utf-8><p>\xC3(")})
            QVERIFY2(!ChmFile::DecodeText(junk), junk.constData());
        QCOMPARE(ChmFile::NormalizedName(QStringLiteral("./html\\..\\html\\Deep.htm")), QStringLiteral("/html/Deep.htm"));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
