#include "app/RecentFileList.h"

#include "view/ProfileKey.h"
#include "holmfc/FileName.h"
#include "holmfc/Registry.h"

#include <QDir>

namespace {

CRegistry OpenListKey()
{
    CRegistry registry;
    registry.SetKey(QLatin1String(kProfileKeyPath) + QLatin1String("\\Recent File List"), true);
    return registry;
}

QString EntryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

void CRecentFileList::ReadList()
{
    const CRegistry registry = OpenListKey();
    m_files.clear();
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString path = FileNameFromSetting(registry.ReadString(EntryName(i), QString()));
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void CRecentFileList::WriteList() const
{
    CRegistry registry = OpenListKey();
    for (int i = 0; i < kMaxFiles; ++i)
        registry.WriteString(EntryName(i), FileNameToSetting(GetAt(i)));
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = AbsoluteFileName(path);
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

QString CRecentFileList::GetDisplayName(int index) const
{
    return DisplayFileName(QDir::toNativeSeparators(GetAt(index)));
}

QString CRecentFileList::GetMenuText(int index) const
{
    QString path = GetDisplayName(index);
    if (path.size() > kMenuChars) {
        // The start of the path and its end, where the file's own name is, around an ellipsis.
        const qsizetype tail = (kMenuChars - 1) / 2;
        path = path.left(kMenuChars - 1 - tail) + QChar(0x2026) + path.right(tail);
    }
    path.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}
