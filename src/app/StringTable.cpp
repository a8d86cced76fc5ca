#include "app/StringTable.h"

#include "holmfc/ResourceString.h"

#include <QtGlobal>

namespace {

const CResourceString s_strings[] = {
    {IdsAppTitle, "StringTable", QT_TRANSLATE_NOOP("StringTable", "Quorvale Editor")},
    {IdsIdleMessage, "StringTable", QT_TRANSLATE_NOOP("StringTable", "Ready")},
    // The manual of the interface's language, relative to the program's folder.
    {IdsReadme, "StringTable", QT_TRANSLATE_NOOP("StringTable", "Manual/index.html")},
};

} // namespace

void RegisterStringTable()
{
    SetResourceStrings(s_strings);
}
