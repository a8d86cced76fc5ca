#include "holmfc/ProgramPath.h"

#include <QCoreApplication>
#include <QDir>

namespace {

ProgramFileFinder s_finder = nullptr;

} // namespace

QString GetProgramPath(bool folderOnly)
{
    QString path = QDir::toNativeSeparators(folderOnly ? QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                                       : QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return path;
}

QString GetFolderOfPath(const QString& path)
{
    qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        cut = path.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? path : path.left(cut + 1);
}

void SetProgramFileFinder(ProgramFileFinder finder)
{
    s_finder = finder;
}

QString FindProgramFile(const QString& relativePath)
{
    return s_finder ? s_finder(relativePath) : GetProgramPath(true) + relativePath;
}
