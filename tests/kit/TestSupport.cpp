#include "TestSupport.h"

#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>

ScopedStore::ScopedStore() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

ScopedStore::~ScopedStore() = default;

QString ScopedStore::iniPath() const { return SettingsFilePath(QStringLiteral("Pexora")); }

void ScopedStore::writeRaw(const QByteArray& contents) const {
    const QString path = iniPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(contents);
}

QByteArray ScopedStore::readRaw() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
