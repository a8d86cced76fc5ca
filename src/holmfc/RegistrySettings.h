#pragma once
#include "holmfc/Registry.h"

#include <QString>

// A group of settings kept under one key of the settings store. A derived class names its key
// and exchanges its fields, value by value, in both directions.
class CRegistrySettings {
public:
    virtual ~CRegistrySettings() = default;

    void LoadSettings() { Exchange(true); }
    void SaveSettings() { Exchange(false); }

protected:
    virtual void Exchange(bool load) = 0;
    virtual QString GetKeyPath() const = 0;

    // Makes the key path, followed by the section when there is one, the current key.
    void SelectSection(const QString& section);
    // Loading: the field takes a stored value (any non-zero number is true) and keeps its value
    // when none is stored. Saving: writes 1 or 0.
    void ExchangeBool(bool load, bool* field, const QString& section, const QString& name);

private:
    CRegistry m_registry;
};
