#pragma once
#include <QString>
#include <QStringList>

// The command line that starts a web browser on one address. The browser's command text is cut
// at its placeholder for the address and the address is appended, as a shell would run it; here
// the program and its arguments stay separate, so no shell ever reads the address.
class CBrowserCommand {
public:
    // The command line, its terminating character included, must fit in this many characters.
    static constexpr qsizetype kBufferSize = 520;

    // Builds the command line from commandText and address. The text is cut where the first
    // placeholder in double quotes is found ("%1", "%u", "%U", "%f", "%F", "%s"), failing that
    // where the first bare placeholder is, and kept whole when it has none; then, after the
    // spaces around it are dropped, a space and the address follow. False, with nothing built, when the text names no program or the command
    // line would not fit in kBufferSize.
    bool Build(const QString& commandText, const QString& address);

    const QString& GetCommandLine() const { return m_commandLine; }
    const QString& GetProgram() const { return m_program; }
    const QStringList& GetArguments() const { return m_arguments; }

private:
    QString m_commandLine;
    QString m_program;
    QStringList m_arguments;
};
