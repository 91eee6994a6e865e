// The installed tree: `cmake --install` of this build into a temporary
// prefix puts every file where the program and the desktop look for it.
// (dist/check-package.sh checks the Debian package made from it.)

#include "ErrorTrap.h"
#include "Startup.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString readText(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString(); }

// Runs a program to its end (outside any DESTDIR): whether it succeeded, and what it printed.
std::pair<bool, QByteArray> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DESTDIR"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok, process.readAll()};
}

// The value of a key of the desktop entry's [Desktop Entry] group.
QString desktopKey(const QString& entry, const QString& key) {
    const QString group = entry.section(QStringLiteral("[Desktop Entry]"), 1).section(QStringLiteral("\n["), 0, 0);
    return QRegularExpression(QStringLiteral("(^|\\n)%1=([^\\n]*)").arg(key)).match(group).captured(2).trimmed();
}

// The text of the first <tag ...>text</tag> of an XML file.
QString xmlElement(const QString& xml, const QString& tag) {
    return QRegularExpression(QStringLiteral("<%1(\\s[^>]*)?>([^<]*)</%1>").arg(tag)).match(xml).captured(2).trimmed();
}

// An image with every fully transparent pixel made the same, whatever its colour.
QImage opaquePixels(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0) image.setPixel(x, y, 0);
    return image;
}

}  // namespace

class TestInstallTree : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    const QString appId_ = QStringLiteral(PEXORA_APP_ID);

    QString path(const QString& relative) const { return prefix_.filePath(relative); }
    QString appDir() const { return path(QStringLiteral(PEXORA_APPDIR)); }
    QString launcherFile() const { return path(QStringLiteral(PEXORA_LINKDIR "/pexora")); }
    QString desktopFile() const { return path(QStringLiteral("share/applications/%1.desktop").arg(appId_)); }
    QString metainfoFile() const { return path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_)); }
    QString pngIcon(int size) const { return QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId_); }

private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        const auto [installed, output] = run(PEXORA_CMAKE_COMMAND, {"--install", PEXORA_BUILD_DIR, "--prefix", prefix_.path()});
        QVERIFY2(installed, output.constData());
    }

    // The help files: English, and one per translated language.
    static QStringList helpFiles() {
        QStringList files{QStringLiteral("Pexora.chm")};
        for (const QString& language : QStringLiteral(PEXORA_HELP_LANGUAGES).split(' ', Qt::SkipEmptyParts))
            files << QStringLiteral("Pexora_%1.chm").arg(language);
        return files;
    }

    // The program reads its help as <its own directory>/Pexora.chm (or its
    // language's Pexora_LANG.chm); the launcher on the PATH is a relative link (so a staged or moved tree still
    // works) that resolves to the program in that directory.
    void launcherLeadsToTheProgramBesideItsHelp() {
        const QFileInfo program(appDir() + QStringLiteral("/pexora"));
        QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
        for (const QString& name : helpFiles()) {
            QFile help(appDir() + QLatin1Char('/') + name);
            QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
            QCOMPARE(help.read(4), QByteArray("ITSF"));
            QCOMPARE(help.size(), QFileInfo(QStringLiteral(PEXORA_BUILD_DIR "/") + name).size());
        }

        const QFileInfo launcher(launcherFile());
        QVERIFY(launcher.isSymLink());
        char target[4096];
        QVERIFY(::readlink(QFile::encodeName(launcher.filePath()).constData(), target, sizeof target - 1) > 0);
        QVERIFY2(target[0] != '/', "the launcher must be a relative link");
        QCOMPARE(launcher.canonicalFilePath(), program.canonicalFilePath());
    }

    // The desktop entry starts the launcher and shows the themed icon, which
    // exists at every size and at 32 x 32 has the very pixels of the window's icon.
    void desktopEntryStartsTheLauncherWithTheWindowIcon() {
        const QString entry = readText(desktopFile());
        QCOMPARE(desktopKey(entry, QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(desktopKey(entry, QStringLiteral("Name")), QStringLiteral("Pexora"));
        const QString exec = desktopKey(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY2(!exec.isEmpty() && QFileInfo(launcherFile()).fileName() == exec, qPrintable(exec));
        QVERIFY(desktopKey(entry, QStringLiteral("Categories")).split(QLatin1Char(';')).contains(QStringLiteral("Game")));
        QCOMPARE(desktopKey(entry, QStringLiteral("Icon")), appId_);

        for (const int size : kIconSizes) {
            const QImage image(path(pngIcon(size)));
            QVERIFY2(image.size() == QSize(size, size) && image.hasAlphaChannel(), qPrintable(pngIcon(size)));
        }
        QVERIFY(readText(path(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId_))).contains("<svg"));
        // The window's art for dense screens, the same drawing in true colour.
        const QImage art(QStringLiteral(PEXORA_SOURCE_DIR "/media/hires/PROGRAM.png"));
        QCOMPARE(opaquePixels(QImage(path(pngIcon(128)))), opaquePixels(art));
    }

    // The metainfo describes the desktop entry beside it and shows a screenshot
    // the project keeps; man 6 pexora names the help where it was installed.
    void metainfoAndManualPageDescribeTheInstalledGame() {
        const QString xml = readText(metainfoFile());
        QCOMPARE(xmlElement(xml, QStringLiteral("id")), appId_);
        QCOMPARE(xmlElement(xml, QStringLiteral("launchable")), QFileInfo(desktopFile()).fileName());
        QCOMPARE(xmlElement(xml, QStringLiteral("binary")), QStringLiteral("pexora"));
        const QString homepage = xmlElement(xml, QStringLiteral("url"));
        const QString image = xmlElement(xml, QStringLiteral("image"));
        QVERIFY2(!homepage.isEmpty() && image.startsWith(homepage), qPrintable(image));
        QVERIFY2(QFileInfo::exists(QStringLiteral(PEXORA_SOURCE_DIR "/") + image.mid(homepage.size())), qPrintable(image));

        const auto [unpacked, page] = run(QStringLiteral("gzip"), {"-dc", path(QStringLiteral("share/man/man6/pexora.6.gz"))});
        QVERIFY(unpacked && page.contains(".TH PEXORA 6"));
        QVERIFY(!page.contains('@'));
        QVERIFY2(page.contains((appDir() + QStringLiteral("/Pexora.chm")).toUtf8()), "the help file's installed path");
        QVERIFY2(page.contains(launcherFile().toUtf8()), "the link's installed path");
        QVERIFY2(page.contains("\"Pexora 2.00\""), "the version in the page's header");
    }

    // The version 2.00 is what the program reports as it sets itself up and
    // the metainfo's one release (the manual page's header names it too).
    void everyVersionRecordSays200() {
        Startup::PrepareApplication();
        SetErrorSink({});  // only the names were wanted: no message-box report is left behind
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Pexora"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.00"));
        const QString xml = readText(metainfoFile());
        QCOMPARE(xml.count(QLatin1String("<release ")), 1);
        QVERIFY2(xml.contains(QLatin1String("<release version=\"2.00\"")), qPrintable(xml));
    }

    // Nothing else is installed: no libraries, tests or tools of the build.
    void installsNothingElse() {
        QStringList expected{PEXORA_LINKDIR "/pexora", PEXORA_APPDIR "/pexora", PEXORA_APPDIR "/pexora-helpcheck",
                             "share/man/man6/pexora.6.gz", "share/doc/pexora/copyright", "share/doc/pexora/changelog.gz",
                             QStringLiteral("share/applications/%1.desktop").arg(appId_),
                             QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_),
                             QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId_)};
        for (const int size : kIconSizes) expected << pngIcon(size);
        for (const QString& name : helpFiles()) expected << QStringLiteral(PEXORA_APPDIR "/") + name;
        QStringList found;
        QDirIterator it(prefix_.path(), QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) found << QDir(prefix_.path()).relativeFilePath(it.next());
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    void desktopEntryAndMetainfoPassTheirValidators_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop-file-validate") << "desktop-file-validate" << QStringList{desktopFile()};
        QTest::newRow("appstreamcli") << "appstreamcli" << QStringList{"validate", "--no-net", metainfoFile()};
    }
    void desktopEntryAndMetainfoPassTheirValidators() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const QString tool = QStandardPaths::findExecutable(program);
        if (tool.isEmpty()) QSKIP(qPrintable(program + QStringLiteral(" is not installed")));
        const auto [valid, output] = run(tool, arguments);
        // desktop-file-validate reports hints and warnings with exit code 0.
        QVERIFY2(valid && !output.contains("warning:") && !output.contains("error:"), output.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstallTree)
#include "test_install_tree.moc"
