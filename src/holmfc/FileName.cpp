#include "holmfc/FileName.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QUrl>

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
const QLatin1String kUrlPrefix("file://");

bool InRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at the start of bytes (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when there is none.
qsizetype Utf8SequenceLength(const unsigned char* bytes, qsizetype available)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length || !InRange(bytes[1], low, high))
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!InRange(bytes[i], 0x80, 0xBF))
            return 0;
    return length;
}

bool IsEscape(const QString& name, qsizetype i)
{
    const char16_t code = name[i].unicode();
    return code >= kEscapeBase + 0x80 && code <= kEscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

bool Exists(const QByteArray& path)
{
    struct stat info {};
    return stat(path.constData(), &info) == 0;
}

// The one entry of folder that a dialog shows as shown; empty when none or several do.
QByteArray FindEntryShownAs(const QByteArray& folder, const QString& shown)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.isEmpty() ? "/" : folder.constData()), closedir);
    if (!dir)
        return {};
    QByteArray found;
    int matches = 0;
    while (const dirent* entry = readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (QFile::decodeName(name) == shown) {
            found = name;
            ++matches;
        }
    }
    return matches == 1 ? found : QByteArray();
}

// The bytes of a URL's path, which it holds percent-encoded.
QByteArray PathBytes(const QUrl& url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

} // namespace

QString DecodeFileName(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    QString name;
    qsizetype run = 0; // the start of the current stretch of UTF-8
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = Utf8SequenceLength(data + i, bytes.size() - i);
        if (length > 0) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + run, i - run);
        name += QChar(static_cast<char16_t>(kEscapeBase + data[i]));
        run = ++i;
    }
    return name + QString::fromUtf8(bytes.constData() + run, bytes.size() - run);
}

QByteArray EncodeFileName(const QString& name)
{
    QByteArray bytes;
    qsizetype run = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscape(name, i))
            continue;
        bytes += QStringView(name).mid(run, i - run).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
        run = i + 1;
    }
    return bytes + QStringView(name).mid(run).toUtf8();
}

QString DisplayFileName(const QString& name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsEscape(name, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QString AbsoluteFileName(const QString& path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    QByteArray folder(4096, '\0');
    while (!getcwd(folder.data(), static_cast<std::size_t>(folder.size()))) {
        if (errno != ERANGE)
            return QDir::cleanPath(path);
        folder.resize(folder.size() * 2);
    }
    return QDir::cleanPath(DecodeFileName(folder.constData()) + QLatin1Char('/') + path);
}

bool FileNameExists(const QString& path)
{
    return Exists(EncodeFileName(path));
}

QString FileNameOfUrl(const QUrl& url)
{
    return url.isLocalFile() ? DecodeFileName(PathBytes(url)) : QString();
}

QString ResolveChosenFileName(const QUrl& url, const QString& shown)
{
    // The URL's name, when it names a file, or a new one whose bytes the text lost.
    const QByteArray bytes = PathBytes(url);
    const QString fromUrl = DecodeFileName(bytes);
    if (url.isLocalFile() && (Exists(bytes) || (fromUrl != shown && Exists(bytes.left(bytes.lastIndexOf('/') + 1)))))
        return fromUrl;
    if (FileNameExists(shown) || !shown.startsWith(QLatin1Char('/')))
        return shown;
    QByteArray resolved;
    const QStringList parts = shown.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QByteArray exact = resolved + '/' + EncodeFileName(parts[i]);
        if (Exists(exact)) {
            resolved = exact;
            continue;
        }
        const QByteArray entry = FindEntryShownAs(resolved, parts[i]);
        if (!entry.isEmpty())
            resolved += '/' + entry;
        else if (i + 1 == parts.size())
            resolved = exact; // a new file in a folder that exists
        else
            return shown;
    }
    return DecodeFileName(resolved);
}

QString FileUrlOfName(const QString& name)
{
    return kUrlPrefix + QString::fromLatin1(EncodeFileName(name).toPercentEncoding("/"));
}

QString FileNameToSetting(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsEscape(name, i))
            return FileUrlOfName(name);
    return name;
}

QString FileNameFromSetting(const QString& text)
{
    if (!text.startsWith(kUrlPrefix))
        return text;
    return DecodeFileName(QByteArray::fromPercentEncoding(text.mid(kUrlPrefix.size()).toLatin1()));
}
