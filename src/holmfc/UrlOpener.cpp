#include "holmfc/UrlOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

namespace {

CUrlOpener* s_installed = nullptr;

// The desktop entry of the default web browser as xdg-settings names it ("firefox.desktop").
QString DefaultBrowserEntry()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-settings"));
    if (tool.isEmpty())
        return {};
    QProcess query;
    query.start(tool, {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The Exec key of the [Desktop Entry] group of the named desktop entry.
QString DesktopEntryExec(const QString& entry)
{
    if (entry.isEmpty())
        return {};
    QFile file(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5).trimmed();
    }
    return {};
}

} // namespace

bool CUrlOpener::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString CUrlOpener::GetBrowserCommand()
{
    const QString exec = DesktopEntryExec(DefaultBrowserEntry());
    if (!exec.isEmpty())
        return exec;
    // $BROWSER may list several commands separated by colons; the first is the preferred one.
    return qEnvironmentVariable("BROWSER").section(QLatin1Char(':'), 0, 0).trimmed();
}

bool CUrlOpener::StartProcess(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

CUrlOpener& CUrlOpener::Get()
{
    static CUrlOpener desktop;
    return s_installed ? *s_installed : desktop;
}

void CUrlOpener::Install(CUrlOpener* opener)
{
    s_installed = opener;
}
