#include "holmfc/BrowserCommand.h"

#include <QProcess>

#include <array>

namespace {

// The codes that stand for the address: the registry's %1, a desktop entry's URL and file codes,
// and the %s of $BROWSER.
constexpr std::array<const char*, 6> kPlaceholders = {"%1", "%u", "%U", "%f", "%F", "%s"};

// The position of the earliest placeholder in text, each wrapped in quote when it is not empty;
// -1 when there is none.
qsizetype FindPlaceholder(const QString& text, const QString& quote)
{
    qsizetype earliest = -1;
    for (const char* code : kPlaceholders) {
        const qsizetype at = text.indexOf(quote + QLatin1String(code) + quote);
        if (at >= 0 && (earliest < 0 || at < earliest))
            earliest = at;
    }
    return earliest;
}

// A desktop entry's field code such as %i or %c: it stands for nothing the browser needs here.
bool IsFieldCode(const QString& token)
{
    return token.size() == 2 && token[0] == QLatin1Char('%') && token[1].isLetter();
}

} // namespace

bool CBrowserCommand::Build(const QString& commandText, const QString& address)
{
    m_commandLine.clear();
    m_program.clear();
    m_arguments.clear();

    qsizetype cut = FindPlaceholder(commandText, QStringLiteral("\""));
    if (cut < 0)
        cut = FindPlaceholder(commandText, QString());
    const QString command = (cut < 0 ? commandText : commandText.left(cut)).trimmed();
    const QString line = command + QLatin1Char(' ') + address;
    if (line.size() >= kBufferSize)
        return false;

    QStringList words = QProcess::splitCommand(command);
    words.removeIf(IsFieldCode);
    if (words.isEmpty())
        return false;

    m_commandLine = line;
    m_program = words.takeFirst();
    m_arguments = words;
    m_arguments.append(address);
    return true;
}
