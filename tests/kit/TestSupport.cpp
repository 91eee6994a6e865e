#include "TestSupport.h"

#include "SettingsStore.h"

#include <QDir>
#include <QFile>

namespace {
QtMessageHandler g_testHandler = nullptr;

void DropOffscreenPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message == QLatin1String("This plugin does not support propagateSizeHints()") ||
                                 message == QLatin1String("This plugin does not support raise()")))
        return;
    if (g_testHandler != nullptr) g_testHandler(type, context, message);
}
}  // namespace

void QuietOffscreenPlatform() {
    const QtMessageHandler previous = qInstallMessageHandler(DropOffscreenPlatformNotes);
    if (previous != DropOffscreenPlatformNotes) g_testHandler = previous;
}

ScopedStore::ScopedStore()
    : m_previous(qgetenv("XDG_CONFIG_HOME")), m_hadPrevious(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
}

ScopedStore::~ScopedStore() {
    if (m_hadPrevious) {
        qputenv("XDG_CONFIG_HOME", m_previous);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

QString ScopedStore::iniPath() const { return SettingsFilePath(QStringLiteral("Pexora")); }

void ScopedStore::writeRaw(const QByteArray& contents) const {
    const QString path = iniPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFile(path, contents);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    SaveSettingGroup(appName, section, {{key, value}});
}

void SeedScoreRow(const QString& section, const QString& key, int rank, const QString& name, const QString& score) {
    SaveSetting(App, section, QStringLiteral("Name %1").arg(rank), name);
    SaveSetting(App, section, key + QStringLiteral(" %1").arg(rank), score);
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() ? path : QString();
}

QByteArray ScopedStore::readRaw() const { return ReadFile(iniPath()); }
