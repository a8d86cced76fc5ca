#include "cli/CliCommon.h"

#include "file/Archive.h"
#include "file/FileAccess.h"
#include "file/LevelText.h"

#include <sstream>

int PrintError(CCliIo& io, const std::string& message, int status)
{
    io.err << kProgramName << ": error: " << message << '\n';
    return status;
}

void PrintWarning(CCliIo& io, const std::string& message)
{
    io.err << kProgramName << ": warning: " << message << '\n';
}

int MissingArgument(CCliIo& io, const std::string& what)
{
    return PrintError(io, "missing " + what, ExitUsage);
}

int UnexpectedArgument(CCliIo& io, const std::string& arg)
{
    return PrintError(io, "unexpected argument '" + arg + "'", ExitUsage);
}

int BadOptionValue(CCliIo& io, const std::string& option, const std::string& expected, const std::string& value)
{
    return PrintError(io, option + " needs " + expected + ", not '" + value + "'", ExitUsage);
}

std::string DisplayName(const std::string& path, bool output)
{
    if (path != "-")
        return path;
    return output ? "standard output" : "standard input";
}

int LoadLevelFile(const std::string& path, CLoadedLevel& loaded, CCliIo& io)
{
    std::string text;
    std::string reason;
    if (!(path == "-" ? ReadLevelStreamText(io.in, text, reason) : ReadLevelFileText(path, text, reason)))
        return PrintError(io, DisplayName(path, false) + ": " + reason, ExitFileError);
    std::string_view rest = text;
    loaded.header = std::string(NextField(rest));
    std::string why;
    const bool accepted = loaded.level.ReadText(text, &why);
    loaded.level.SetModified(false);
    if (!accepted)
        return PrintError(io, DisplayName(path, false) + ": level rejected: " + why, ExitRejected);
    return ExitOk;
}

int FinishOutput(CCliIo& io)
{
    return io.out.flush() ? ExitOk : PrintError(io, "standard output: write failed", ExitFileError);
}

int WriteOutput(const std::string& path, const std::string& bytes, CCliIo& io)
{
    if (path == "-") {
        io.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FinishOutput(io);
    }
    if (std::string reason; !WriteFileAtomically(path, bytes, reason))
        return PrintError(io, path + ": " + reason, ExitFileError);
    return ExitOk;
}

int SaveLevelFile(CLevel& level, const std::string& path, CCliIo& io)
{
    std::ostringstream bytes;
    CArchive archive(bytes);
    level.Store(archive);
    const int status = WriteOutput(path, bytes.str(), io);
    if (status != ExitOk)
        level.SetModified(true);
    return status;
}
