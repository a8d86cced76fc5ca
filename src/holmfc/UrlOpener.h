#pragma once
#include <QString>
#include <QStringList>

class QUrl;

// The desktop services a link uses to open its target: the desktop's own opener, the command of
// the default web browser, and starting a program. The real desktop serves unless a test installs
// a double in its place, so tests never launch anything.
class CUrlOpener {
public:
    virtual ~CUrlOpener() = default;

    // Hands url to the desktop's program for its type; true when the desktop accepted it.
    virtual bool OpenUrl(const QUrl& url);
    // The command text of the desktop's default web browser, with its placeholder for the address
    // where it has one (a desktop entry's %u, %U, %f or %F; %s in $BROWSER); empty when the
    // desktop names no browser.
    virtual QString GetBrowserCommand();
    // Starts program with arguments as a process of its own, without a shell; true when it started.
    virtual bool StartProcess(const QString& program, const QStringList& arguments);

    // The opener in use.
    static CUrlOpener& Get();
    // Puts opener (not owned) in place of the real desktop; nullptr brings the real one back.
    static void Install(CUrlOpener* opener);
};
