#include "app/EditorSettings.h"

#include "app/ProfileKey.h"

void CEditorSettings::Exchange(bool load)
{
    const QString section = QStringLiteral("misc");
    ExchangeBool(load, &m_showGrid, section, QStringLiteral("grid"));
    ExchangeBool(load, &m_playSound, section, QStringLiteral("sound"));
}

QString CEditorSettings::GetKeyPath() const
{
    return QLatin1String(kProfileKeyPath);
}
