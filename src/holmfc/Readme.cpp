#include "holmfc/Readme.h"

#include "holmfc/ProgramPath.h"
#include "holmfc/ResourceString.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenReadme(const QString& relativePath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(FindProgramFile(relativePath)));
}

bool ShowReadme(unsigned stringId)
{
    return OpenReadme(LoadResourceString(stringId));
}
