// The installed tree: `cmake --install` of this build into a temporary
// prefix puts every file where the program and the desktop look for it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The keys of the [Desktop Entry] group.
QMap<QString, QString> readDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    bool inGroup = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) inGroup = line == QLatin1String("[Desktop Entry]");
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0) keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text of the first <tag ...>text</tag> of an XML file.
QString xmlElement(const QString& xml, const QString& tag) {
    const QRegularExpression re(QStringLiteral("<%1(\\s[^>]*)?>([^<]*)</%1>").arg(tag));
    return re.match(xml).captured(2).trimmed();
}

}  // namespace

class TestInstallTree : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    QString appId_;

    QString path(const QString& relative) const { return prefix_.filePath(relative); }
    QString appDir() const { return path(QStringLiteral(PEXORA_APPDIR)); }
    QString desktopFile() const { return path(QStringLiteral("share/applications/%1.desktop").arg(appId_)); }
    QString metainfoFile() const { return path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_)); }
    QString iconFile(const QString& theme, const QString& name, const QString& size, const QString& suffix) const {
        return path(QStringLiteral("share/icons/%1/%2/apps/%3.%4").arg(theme, size, name, suffix));
    }

private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        appId_ = QStringLiteral(PEXORA_APP_ID);
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DESTDIR"));
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(PEXORA_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(PEXORA_BUILD_DIR), QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(-1));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
    }

    // The program reads its help as <its own directory>/Pexora.chm.
    void programAndHelpFileShareOneDirectory() {
        const QFileInfo program(appDir() + QStringLiteral("/pexora"));
        QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
        QFile help(appDir() + QStringLiteral("/Pexora.chm"));
        QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
        QCOMPARE(help.read(4), QByteArray("ITSF"));
        QCOMPARE(help.size(), QFileInfo(QStringLiteral(PEXORA_BUILD_DIR "/Pexora.chm")).size());
    }

    // The launcher is a relative link, so the tree still works when it is
    // staged elsewhere (as a package is) or moved; it resolves to the
    // program in its own directory, which is what the running program sees.
    void launcherOnThePathLeadsToTheProgramBesideItsHelp() {
        const QFileInfo launcher(path(QStringLiteral("bin/pexora")));
        QVERIFY(launcher.isSymLink());
        const QByteArray raw = QFile::encodeName(launcher.filePath());
        char target[4096];
        const ssize_t n = ::readlink(raw.constData(), target, sizeof target - 1);
        QVERIFY(n > 0);
        QVERIFY2(target[0] != '/', "the launcher must be a relative link");
        const QString resolved = launcher.canonicalFilePath();
        QCOMPARE(resolved, QFileInfo(appDir() + QStringLiteral("/pexora")).canonicalFilePath());
        QVERIFY(QFileInfo::exists(QFileInfo(resolved).path() + QStringLiteral("/Pexora.chm")));
    }

    // The desktop entry starts the launcher and shows an icon that exists at
    // every size of the hicolor theme, each of that size.
    void desktopEntryStartsTheLauncherWithTheThemedIcon() {
        const QMap<QString, QString> entry = readDesktopEntry(desktopFile());
        QVERIFY2(!entry.isEmpty(), qPrintable(desktopFile()));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Pexora"));
        const QString exec = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY2(QFileInfo::exists(path(QStringLiteral("bin/") + exec)), qPrintable(exec));
        QVERIFY(entry.value(QStringLiteral("Categories")).split(QLatin1Char(';')).contains(QStringLiteral("Game")));

        const QString icon = entry.value(QStringLiteral("Icon"));
        QVERIFY(!icon.isEmpty() && !icon.contains(QLatin1Char('/')));
        for (const int size : kIconSizes) {
            const QString file = iconFile(QStringLiteral("hicolor"), icon, QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
            const QImage image(file);
            QVERIFY2(!image.isNull(), qPrintable(file));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(file));
        }
        const QString svg = readText(iconFile(QStringLiteral("hicolor"), icon, QStringLiteral("scalable"), QStringLiteral("svg")));
        QVERIFY(svg.contains(QLatin1String("<svg")));
    }

    // The themed icon is the window's own icon: at 32 x 32 the very pixels of
    // the program icon the window shows.
    void themedIconIsTheWindowIcon() {
        QImageReader reader(QStringLiteral(PEXORA_SOURCE_DIR "/media/window/program.ico"));
        const QImage window = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!window.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(window.size(), QSize(32, 32));
        const QString icon = readDesktopEntry(desktopFile()).value(QStringLiteral("Icon"));
        const QImage themed = QImage(iconFile(QStringLiteral("hicolor"), icon, QStringLiteral("32x32"), QStringLiteral("png")))
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(themed.size(), window.size());
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb a = window.pixel(x, y), b = themed.pixel(x, y);
                const bool same = qAlpha(a) == 0 ? qAlpha(b) == 0 : a == b;
                QVERIFY2(same, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
    }

    // The metainfo describes the desktop entry installed beside it, and its
    // screenshot is one the project keeps under docs/.
    void metainfoNamesTheDesktopEntryAndAScreenshotOfTheProject() {
        const QString xml = readText(metainfoFile());
        QVERIFY2(!xml.isEmpty(), qPrintable(metainfoFile()));
        QCOMPARE(xmlElement(xml, QStringLiteral("id")), appId_);
        QCOMPARE(xmlElement(xml, QStringLiteral("launchable")), QFileInfo(desktopFile()).fileName());
        QCOMPARE(xmlElement(xml, QStringLiteral("binary")), QStringLiteral("pexora"));
        const QString homepage = xmlElement(xml, QStringLiteral("url"));
        const QString image = xmlElement(xml, QStringLiteral("image"));
        QVERIFY2(image.startsWith(homepage), qPrintable(image));
        const QString inProject = image.mid(homepage.size());
        QVERIFY2(QFileInfo::exists(QStringLiteral(PEXORA_SOURCE_DIR "/") + inProject), qPrintable(inProject));
    }

    // man 6 pexora, naming the files where they were really installed.
    void manualPageInSectionSixNamesTheInstalledHelp() {
        const QString page = readText(path(QStringLiteral("share/man/man6/pexora.6")));
        QVERIFY(page.contains(QLatin1String(".TH PEXORA 6")));
        QVERIFY(!page.contains(QLatin1Char('@')));
        QVERIFY2(page.contains(appDir() + QStringLiteral("/Pexora.chm")), "the help file's installed path");
    }

    // Nothing else is installed: no libraries, tests or tools of the build.
    void installsNothingElse() {
        QSet<QString> expected{
            QStringLiteral("bin/pexora"),
            QStringLiteral(PEXORA_APPDIR "/pexora"),
            QStringLiteral(PEXORA_APPDIR "/Pexora.chm"),
            QStringLiteral("share/applications/%1.desktop").arg(appId_),
            QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId_),
            QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId_),
            QStringLiteral("share/man/man6/pexora.6"),
            QStringLiteral("share/doc/pexora/copyright"),
        };
        for (const int size : kIconSizes) expected.insert(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId_));
        QSet<QString> found;
        QDirIterator it(prefix_.path(), QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) found.insert(QDir(prefix_.path()).relativeFilePath(it.next()));
        QCOMPARE(found - expected, QSet<QString>());
        QCOMPARE(expected - found, QSet<QString>());
    }

    void desktopEntryAndMetainfoPassTheirValidators_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop-file-validate") << QStringLiteral("desktop-file-validate") << QStringList{desktopFile()};
        QTest::newRow("appstreamcli") << QStringLiteral("appstreamcli")
                                      << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()};
    }
    void desktopEntryAndMetainfoPassTheirValidators() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const QString tool = QStandardPaths::findExecutable(program);
        if (tool.isEmpty()) QSKIP(qPrintable(program + QStringLiteral(" is not installed")));
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(tool, arguments);
        QVERIFY(run.waitForFinished(-1));
        const QByteArray output = run.readAll();
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, output.constData());
        // desktop-file-validate reports hints and warnings with exit code 0.
        QVERIFY2(!output.contains("warning:") && !output.contains("error:"), output.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstallTree)
#include "test_install_tree.moc"
