#pragma once
#include "holmfc/UrlOpener.h"

#include <QList>
#include <QUrl>

// Stands in for the desktop while it lives: records what a link asks for and answers as told.
class CFakeOpener : public CUrlOpener {
public:
    CFakeOpener() { CUrlOpener::Install(this); }
    ~CFakeOpener() override { CUrlOpener::Install(nullptr); }
    CFakeOpener(const CFakeOpener&) = delete;
    CFakeOpener& operator=(const CFakeOpener&) = delete;

    bool OpenUrl(const QUrl& url) override
    {
        opened.append(url);
        return desktopAccepts;
    }
    QString GetBrowserCommand() override { return browserCommand; }
    bool StartProcess(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList{program} + arguments);
        return processStarts;
    }

    bool desktopAccepts = true;
    QString browserCommand;
    bool processStarts = true;
    QList<QUrl> opened;
    QList<QStringList> started;  // program followed by its arguments, one entry per start
};
