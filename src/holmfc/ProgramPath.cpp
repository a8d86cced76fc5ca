#include "holmfc/ProgramPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString FindProgramFile(const QString& relativePath)
{
    const QString beside = GetProgramPath(true) + relativePath;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                                  .filePath(QStringLiteral(QV_DATA_FROM_BINDIR "/") + relativePath));
    return QFileInfo::exists(installed) ? installed : beside;
}
