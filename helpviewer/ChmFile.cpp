#include "ChmFile.h"

#include "LibrarySymbol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <chm_lib.h>

#include <cctype>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// chmlib is opened when a help file is first read, not with the program: a
// library the program is linked with is searched for every symbol that every
// library looks up at start. Without it no help file opens.
struct ChmApi {
    decltype(&::chm_open) open = nullptr;
    decltype(&::chm_close) close = nullptr;
    decltype(&::chm_resolve_object) resolve = nullptr;
    decltype(&::chm_retrieve_object) retrieve = nullptr;
    decltype(&::chm_enumerate) enumerate = nullptr;
    bool loaded = false;
};

const ChmApi& Chm() {
    static const ChmApi api = [] {
        ChmApi a;
        if (void* chm = dlopen("libchm.so.1", RTLD_NOW | RTLD_LOCAL)) {
            a.loaded = ResolveSymbol(chm, a.open, "chm_open") && ResolveSymbol(chm, a.close, "chm_close") &&
                       ResolveSymbol(chm, a.resolve, "chm_resolve_object") &&
                       ResolveSymbol(chm, a.retrieve, "chm_retrieve_object") && ResolveSymbol(chm, a.enumerate, "chm_enumerate");
        }
        return a;
    }();
    return api;
}

// Nothing in a help file of ours comes near this; a corrupt directory entry
// that claims more is refused rather than allocated.
constexpr quint64 MaxObjectSize = 64ull * 1024 * 1024;

// windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes that windows-1252 leaves undefined.
bool UndefinedInCp1252(unsigned char b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

// No page of text holds NUL or a control character other than white space.
bool HasControlCharacters(QStringView text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') return true;
    return false;
}

QString FromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(Cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

// The Windows code page of a locale id: the help compiler writes the file's
// own texts (its title, its window types) in the code page of the language
// the project names.
QByteArray CodePageOf(quint32 localeId) {
    switch (localeId & 0x3FF) {  // the primary language
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1A: case 0x1B: case 0x1C: case 0x24:
        return "windows-1250";  // Czech, Hungarian, Polish, Romanian, Croatian, Slovak, Albanian, Slovenian
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F:
        return "windows-1251";  // Bulgarian, Russian, Ukrainian, Belarusian, Macedonian
    default:
        return "windows-1252";
    }
}

QString FromCodePage(const QByteArray& bytes, const QByteArray& codePage) {
    if (codePage != "windows-1252") {
        QStringDecoder decoder(codePage.constData());
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError()) return text;
        }
    }
    return FromCp1252(bytes);
}

// The charset a page declares in its first lines ("charset=utf-8"), lower case.
QByteArray DeclaredCharset(const QByteArray& bytes) {
    const QByteArray head = bytes.left(4096).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0) return {};
    qsizetype i = at + 8;
    while (i < head.size() && (head[i] == '"' || head[i] == '\'' || head[i] == ' ')) ++i;
    QByteArray name;
    while (i < head.size()) {
        const char c = head[i];
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.')) break;
        name.append(c);
        ++i;
    }
    return name;
}

QString DecodeEntities(QString text) {
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|amp|lt|gt|quot|apos|nbsp);"));
    QString out;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x"))) code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#'))) code = name.mid(1).toUInt();
        else if (name == QLatin1String("amp")) code = '&';
        else if (name == QLatin1String("lt")) code = '<';
        else if (name == QLatin1String("gt")) code = '>';
        else if (name == QLatin1String("quot")) code = '"';
        else if (name == QLatin1String("apos")) code = '\'';
        else code = 0xA0;
        if (code == 0 || code > 0x10FFFF) code = 0xFFFD;
        out += QString::fromUcs4(&code, 1);
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

// The attributes of one tag's text, names in lower case.
QList<QPair<QString, QString>> Attributes(const QString& tag) {
    static const QRegularExpression attribute(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    QList<QPair<QString, QString>> result;
    auto it = attribute.globalMatch(tag);
    while (it.hasNext()) {
        const auto m = it.next();
        QString value = m.captured(2);
        if (value.isNull()) value = m.captured(3);
        if (value.isNull()) value = m.captured(4);
        result.append({m.captured(1).toLower(), DecodeEntities(value)});
    }
    return result;
}

QString AttributeValue(const QList<QPair<QString, QString>>& attributes, const QString& name) {
    for (const auto& [key, value] : attributes)
        if (key == name) return value;
    return {};
}

quint32 Dword(const QByteArray& data, qsizetype offset) {
    if (offset < 0 || offset + 4 > data.size()) return 0;
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

// The directory name chmcmd wrote, with its backslashes turned round.
QString FileName(const QString& stored) {
    QString name = stored;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.trimmed();
}

// Decompresses the whole compressed section once, block after block, so that
// a damaged block shows itself here rather than later in the viewer.
void ReadEveryBlock(struct chmFile* handle) {
    chmUnitInfo table{};
    if (Chm().resolve(handle, "::DataSpace/Storage/MSCompressed/Transform/"
                                   "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
                           &table) != CHM_RESOLVE_SUCCESS ||
        table.length < 24)
        return;
    unsigned char header[24];
    if (Chm().retrieve(handle, &table, header, 0, sizeof header) != LONGINT64(sizeof header)) return;
    const quint64 uncompressed = qFromLittleEndian<quint64>(header + 16);
    chmUnitInfo section{};
    section.start = 0;
    section.length = qMin<quint64>(uncompressed, 4 * MaxObjectSize);
    section.space = CHM_COMPRESSED;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (quint64 at = 0; at < section.length; at += quint64(chunk.size())) {
        if (Chm().retrieve(handle, &section, reinterpret_cast<unsigned char*>(chunk.data()), at,
                                LONGINT64(qMin<quint64>(quint64(chunk.size()), section.length - at))) <= 0)
            return;
    }
}

}  // namespace

QString ChmFile::CheckerPath() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(PEXORA_HELPCHECK_NAME);
}

bool ChmFile::CheckedByChild(const QString& path, const QString& checker, OpenError* error, int timeoutMs) {
    ChmCheck check(path, checker, timeoutMs);
    check.Wait();
    if (error) *error = check.Error();
    return check.Passed();
}

bool ChmFile::ReadThrough(const QString& path) {
    ChmFile file;
    if (!file.OpenUnchecked(path)) return false;
    ReadEveryBlock(file.m_handle);
    // Every object the directory lists is read whole, so that nothing the
    // viewer may ask for later (a style sheet, a picture) is read first there.
    // One that comes up short (a file cut short: the compressed stream
    // itself is such an object) fails the file: chmlib would otherwise hand
    // out for its pages whatever it decompressed last.
    bool whole = true;
    Chm().enumerate(
        file.m_handle, CHM_ENUMERATE_ALL,
        [](struct chmFile* handle, struct chmUnitInfo* info, void* context) {
            QByteArray chunk(1 << 16, Qt::Uninitialized);
            const quint64 length = qMin<quint64>(info->length, MaxObjectSize);
            for (quint64 at = 0; at < length; at += quint64(chunk.size())) {
                const auto wanted = LONGINT64(qMin<quint64>(quint64(chunk.size()), length - at));
                if (Chm().retrieve(handle, info, reinterpret_cast<unsigned char*>(chunk.data()), at, wanted) != wanted) {
                    *static_cast<bool*>(context) = false;
                    break;
                }
            }
            return CHM_ENUMERATOR_CONTINUE;
        },
        &whole);
    if (!whole) return false;
    QStringList names = {file.ContentsFile(), file.IndexFile(), file.DefaultTopic()};
    for (const auto& type : file.m_windows) names << type.ContentsFile << type.IndexFile << type.DefaultTopic;
    for (const QString& sitemap : QStringList{file.ContentsFile(), file.IndexFile()})
        for (const auto& entry : file.ReadSitemap(sitemap)) names << entry.Local;
    for (QString page : names) {
        if (const qsizetype sep = page.indexOf(QLatin1String("::")); sep >= 0) page.remove(0, sep + 2);
        if (const qsizetype hash = page.indexOf(QLatin1Char('#')); hash >= 0) page.truncate(hash);
        if (page.isEmpty()) continue;
        if (const auto data = file.Read(page)) DecodeText(*data);
    }
    return true;
}

ChmFile::ChmFile() = default;

ChmFile::~ChmFile() {
    if (m_handle) Chm().close(m_handle);
}

bool ChmFile::Open(const QString& path, const QString& checker) {
    ChmCheck check(path, checker);
    check.Wait();
    return OpenChecked(check);
}

bool ChmFile::OpenChecked(const ChmCheck& check) {
    if (m_handle) {
        Chm().close(m_handle);
        m_handle = nullptr;
    }
    m_path = check.Path();
    m_title.clear();
    m_contentsFile.clear();
    m_indexFile.clear();
    m_defaultTopic.clear();
    m_defaultWindow.clear();
    m_windows.clear();
    m_error = check.Done() ? check.Error() : OpenError::Unreadable;
    if (m_error != OpenError::None) return false;
    // The very file the checker read, unchanged since it was opened.
    if (ChmCheck::IdentityOf(check.m_fd) == check.m_identity &&
        OpenUnchecked(QStringLiteral("/proc/self/fd/%1").arg(check.m_fd)))
        return true;
    if (m_handle) {
        Chm().close(m_handle);
        m_handle = nullptr;
    }
    m_error = OpenError::Unreadable;
    return false;
}

bool ChmFile::OpenUnchecked(const QString& path) {
    if (!Chm().loaded) return false;
    m_handle = Chm().open(QFile::encodeName(path).constData());
    if (!m_handle) return false;
    ReadSystem();
    ReadWindows();
    return true;
}

QString ChmFile::NormalizedName(const QString& name) {
    return QDir::cleanPath(QLatin1Char('/') + FileName(name));
}

std::optional<QByteArray> ChmFile::Read(const QString& name) const {
    if (!m_handle) return std::nullopt;
    const QByteArray encoded = NormalizedName(name).toUtf8();
    if (encoded.size() > CHM_MAX_PATHLEN) return std::nullopt;
    chmUnitInfo info{};
    if (Chm().resolve(m_handle, encoded.constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    if (info.length > MaxObjectSize) return std::nullopt;
    // Zeroed: where a cut-short file has no bytes for a compressed block,
    // chmlib counts them as read without writing them, and NUL is never text.
    QByteArray data(static_cast<qsizetype>(info.length), '\0');
    if (info.length == 0) return data;
    const LONGINT64 got = Chm().retrieve(m_handle, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                                              static_cast<LONGINT64>(info.length));
    // Fewer bytes than the directory promises: the file is cut short or damaged there.
    if (got != static_cast<LONGINT64>(info.length)) return std::nullopt;
    return data;
}

bool ChmFile::Contains(const QString& name) const {
    if (!m_handle) return false;
    const QByteArray encoded = NormalizedName(name).toUtf8();
    if (encoded.size() > CHM_MAX_PATHLEN) return false;
    chmUnitInfo info{};
    return Chm().resolve(m_handle, encoded.constData(), &info) == CHM_RESOLVE_SUCCESS;
}

void ChmFile::ReadSystem() {
    // A version number, then records of (code, length, data).
    const auto system = Read(QStringLiteral("/#SYSTEM"));
    if (!system) return;
    const QByteArray& data = *system;
    // The locale record may come after the texts it encodes.
    m_codePage = "windows-1252";
    for (qsizetype at = 4; at + 4 <= data.size();) {
        const quint16 code = qFromLittleEndian<quint16>(data.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(data.constData() + at + 2);
        if (code == 4 && length >= 4 && at + 8 <= data.size())
            m_codePage = CodePageOf(qFromLittleEndian<quint32>(data.constData() + at + 4));
        at += 4 + length;
    }
    qsizetype at = 4;
    while (at + 4 <= data.size()) {
        const quint16 code = qFromLittleEndian<quint16>(data.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(data.constData() + at + 2);
        at += 4;
        if (at + length > data.size()) break;
        const QByteArray value = data.mid(at, length);
        const QString text = FromCodePage(value.left(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0')), m_codePage);
        switch (code) {
        case 0: m_contentsFile = FileName(text); break;
        case 1: m_indexFile = FileName(text); break;
        case 2: m_defaultTopic = FileName(text); break;
        case 3: m_title = text; break;
        case 5: m_defaultWindow = text; break;
        default: break;
        }
        at += length;
    }
}

QString ChmFile::StringAt(const QByteArray& strings, quint32 offset) const {
    if (offset == 0 || offset >= static_cast<quint32>(strings.size())) return {};
    const qsizetype end = strings.indexOf('\0', offset);
    return FromCodePage(strings.mid(offset, (end < 0 ? strings.size() : end) - offset), m_codePage);
}

void ChmFile::ReadWindows() {
    // A count and an entry size, then fixed-size entries whose texts are
    // offsets into the string table.
    const auto windows = Read(QStringLiteral("/#WINDOWS"));
    if (!windows || windows->size() < 8) return;
    const QByteArray strings = Read(QStringLiteral("/#STRINGS")).value_or(QByteArray());
    const quint32 count = Dword(*windows, 0);
    const quint32 entrySize = Dword(*windows, 4);
    if (entrySize < 0x70 || count > 256) return;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = 8 + qsizetype(i) * entrySize;
        if (entry + qsizetype(entrySize) > windows->size()) break;
        HelpWindowType type;
        type.Name = StringAt(strings, Dword(*windows, entry + 0x08));
        type.Title = StringAt(strings, Dword(*windows, entry + 0x14));
        type.ContentsFile = FileName(StringAt(strings, Dword(*windows, entry + 0x60)));
        type.IndexFile = FileName(StringAt(strings, Dword(*windows, entry + 0x64)));
        type.DefaultTopic = FileName(StringAt(strings, Dword(*windows, entry + 0x68)));
        if (!type.Name.isEmpty()) m_windows.append(type);
    }
}

std::optional<HelpWindowType> ChmFile::WindowType(const QString& name) const {
    for (const auto& type : m_windows)
        if (type.Name.compare(name, Qt::CaseInsensitive) == 0) return type;
    return std::nullopt;
}

QList<HelpEntry> ChmFile::ReadSitemap(const QString& name) const {
    if (name.isEmpty()) return {};
    const auto data = Read(name);
    if (!data) return {};
    return ParseSitemap(DecodeText(*data).value_or(QString()));
}

QList<HelpEntry> ChmFile::ParseSitemap(const QString& text) {
    // The sitemap is loose HTML: lists (<UL>) nest the entries, each an
    // <OBJECT type="text/sitemap"> with <param name=... value=...> inside.
    static const QRegularExpression tagPattern(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
    QList<HelpEntry> entries;
    int depth = 0;
    bool inEntry = false;
    HelpEntry current;
    auto it = tagPattern.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString tag = m.captured(2).toLower();
        if (tag == QLatin1String("ul")) {
            depth = closing ? qMax(0, depth - 1) : depth + 1;
        } else if (tag == QLatin1String("object")) {
            if (!closing) {
                const auto attributes = Attributes(m.captured(3));
                inEntry = AttributeValue(attributes, QStringLiteral("type")).compare(
                              QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                current = HelpEntry{};
                current.Depth = qMax(0, depth - 1);
            } else if (inEntry) {
                if (!current.Name.isEmpty()) entries.append(current);
                inEntry = false;
            }
        } else if (tag == QLatin1String("param") && inEntry && !closing) {
            const auto attributes = Attributes(m.captured(3));
            const QString key = AttributeValue(attributes, QStringLiteral("name")).toLower();
            const QString value = AttributeValue(attributes, QStringLiteral("value"));
            if (key == QLatin1String("name") && current.Name.isEmpty()) current.Name = value.trimmed();
            else if (key == QLatin1String("local") && current.Local.isEmpty()) current.Local = FileName(value);
        }
    }
    return entries;
}

std::optional<QString> ChmFile::DecodePage(const QByteArray& bytes) {
    auto text = DecodeText(bytes);
    if (!text) return std::nullopt;
    for (QChar c : *text) {
        if (c == u'<') return text;
        if (!c.isSpace() && c != QChar(0xFEFF)) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> ChmFile::DecodeText(const QByteArray& bytes) {
    if (bytes.contains('\0')) return std::nullopt;
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArray charset = bom ? QByteArray("utf-8") : DeclaredCharset(bytes);
    QString text;
    if (charset.isEmpty() || charset == "windows-1252" || charset == "iso-8859-1" || charset == "latin1" ||
        charset == "us-ascii" || charset == "cp1252" || !QStringDecoder(charset.constData()).isValid()) {
        for (char c : bytes)
            if (UndefinedInCp1252(static_cast<unsigned char>(c))) return std::nullopt;
        text = FromCp1252(bytes);
    } else {
        QStringDecoder decoder(charset.constData());
        text = decoder.decode(bom ? bytes.mid(3) : bytes);
        if (decoder.hasError()) return std::nullopt;
    }
    if (HasControlCharacters(text)) return std::nullopt;
    return text;
}

// ---------------------------------------------------------------- ChmCheck

ChmCheck::ChmCheck(const QString& path, const QString& checker, int timeoutMs)
    : m_path(path), m_checker(checker), m_timeoutMs(timeoutMs) {
    m_child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_child.setStandardOutputFile(QProcess::nullDevice());
    m_limit.setSingleShot(true);
    connect(&m_child, &QProcess::finished, this, [this] {
        Answer(m_child.exitStatus() == QProcess::NormalExit && m_child.exitCode() == 0 ? ChmFile::OpenError::None
                                                                                       : ChmFile::OpenError::Unreadable);
    });
    connect(&m_child, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) Answer(ChmFile::OpenError::NoChecker);
    });
    connect(&m_limit, &QTimer::timeout, this, [this] {
        m_child.kill();
        m_child.waitForFinished();
        Answer(ChmFile::OpenError::Unreadable);
    });
}

ChmCheck::~ChmCheck() {
    m_child.disconnect(this);
    if (m_child.state() != QProcess::NotRunning) {
        m_child.kill();
        m_child.waitForFinished();
    }
    if (m_fd >= 0) ::close(m_fd);
}

void ChmCheck::Answer(ChmFile::OpenError error) {
    if (m_done) return;
    m_done = true;
    m_error = error;
    m_limit.stop();
    emit Finished();
}

ChmCheck::Identity ChmCheck::IdentityOf(int fd, bool* regular) {
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return {};
    if (regular) *regular = S_ISREG(st.st_mode);
    return {quint64(st.st_dev), quint64(st.st_ino), quint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec)};
}

void ChmCheck::Start() {
    // chmlib would happily open a directory or a device; we only want files.
    m_fd = m_path.isEmpty() ? -1 : ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    bool regular = false;
    m_identity = IdentityOf(m_fd, &regular);
    if (!regular) {
        Answer(ChmFile::OpenError::NotAFile);
        return;
    }
    if (!QFileInfo(m_checker).isExecutable()) {
        Answer(ChmFile::OpenError::NoChecker);
        return;
    }
    const int fd = m_fd;
    m_child.setChildProcessModifier([fd] { ::fcntl(fd, F_SETFD, 0); });
    m_child.start(m_checker, {QStringLiteral("/dev/fd/%1").arg(fd)}, QIODevice::ReadOnly);
    if (!m_done) m_limit.start(m_timeoutMs);
}

void ChmCheck::Wait() {
    if (!m_done && m_fd < 0) Start();
    if (m_done) return;
    if (m_child.state() != QProcess::NotRunning && !m_child.waitForFinished(m_timeoutMs) && !m_done) {
        m_child.kill();
        m_child.waitForFinished();
        Answer(ChmFile::OpenError::Unreadable);
        return;
    }
    // Its signals may still be queued.
    if (m_done) return;
    if (m_child.error() == QProcess::FailedToStart) Answer(ChmFile::OpenError::NoChecker);
    else Answer(m_child.exitStatus() == QProcess::NormalExit && m_child.exitCode() == 0 ? ChmFile::OpenError::None
                                                                                         : ChmFile::OpenError::Unreadable);
}
