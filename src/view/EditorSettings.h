#pragma once
#include "holmfc/RegistrySettings.h"

// The editor's own settings: whether the grid is shown and whether test mode plays sounds, both
// in section "misc" of the editor's key.
class CEditorSettings : public CRegistrySettings {
public:
    bool m_showGrid = true;
    bool m_playSound = true;

protected:
    void Exchange(bool load) override;
    QString GetKeyPath() const override;
};
