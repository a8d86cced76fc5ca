#include "holmfc/ResourceString.h"

#include <QCoreApplication>

namespace {
std::span<const CResourceString> s_table;
}

void SetResourceStrings(std::span<const CResourceString> table)
{
    s_table = table;
}

QString LoadResourceString(unsigned id)
{
    for (const CResourceString& entry : s_table)
        if (entry.id == id)
            return QCoreApplication::translate(entry.context, entry.text);
    return {};
}
