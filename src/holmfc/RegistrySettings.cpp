#include "holmfc/RegistrySettings.h"

void CRegistrySettings::SelectSection(const QString& section)
{
    QString key = GetKeyPath();
    if (!section.isEmpty())
        key += QLatin1Char('\\') + section;
    m_registry.SetRootKey(RegistryRoot::CurrentUser);
    m_registry.SetKey(key, true);
}

void CRegistrySettings::ExchangeBool(bool load, bool* field, const QString& section, const QString& name)
{
    SelectSection(section);
    if (load) {
        if (m_registry.ValueExists(name))
            *field = m_registry.ReadInt(name, 0) != 0;
    } else {
        m_registry.WriteInt(name, *field ? 1 : 0);
    }
}
