#include "view/EditorSettings.h"

#include "view/ProfileKey.h"

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
