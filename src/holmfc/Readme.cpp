#include "holmfc/Readme.h"

#include "holmfc/ProgramPath.h"
#include "holmfc/ResourceString.h"
#include "holmfc/UrlOpener.h"

#include <QUrl>

bool OpenReadme(const QString& relativePath)
{
    return CUrlOpener::Get().OpenUrl(QUrl::fromLocalFile(FindProgramFile(relativePath)));
}

bool ShowReadme(unsigned stringId)
{
    return OpenReadme(LoadResourceString(stringId));
}
