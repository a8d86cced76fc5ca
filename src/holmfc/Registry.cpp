#include "holmfc/Registry.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString GroupPath(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

std::unique_ptr<QSettings> CRegistry::OpenStore() const
{
#ifdef Q_OS_WIN
    static const char* const rootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                            "HKEY_USERS"};
    return std::make_unique<QSettings>(QLatin1String(rootNames[static_cast<int>(m_root)]), QSettings::NativeFormat);
#else
    const bool user = m_root == RegistryRoot::CurrentUser || m_root == RegistryRoot::Users;
    return std::make_unique<QSettings>(QSettings::NativeFormat, user ? QSettings::UserScope : QSettings::SystemScope,
                                       QCoreApplication::organizationName(), QCoreApplication::applicationName());
#endif
}

QString CRegistry::ValuePath(const QString& name) const
{
    return m_keyPath.isEmpty() ? name : GroupPath(m_keyPath) + QLatin1Char('/') + name;
}

bool CRegistry::SetRootKey(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
    case RegistryRoot::CurrentUser:
    case RegistryRoot::LocalMachine:
    case RegistryRoot::Users:
        m_root = root;
        return true;
    }
    return false;
}

bool CRegistry::SetKey(const QString& path, bool canCreate)
{
    if (path.isEmpty()) {
        m_keyPath.clear();
        return true;
    }
    const std::unique_ptr<QSettings> store = OpenStore();
    if (canCreate) {
        // A key comes into being with its first value; creating it needs a store we may write.
        if (!store->isWritable())
            return false;
    } else {
        store->beginGroup(GroupPath(path));
        const bool exists = !store->allKeys().isEmpty();
        store->endGroup();
        m_lastStatus = exists ? kSuccess : store->status() == QSettings::AccessError ? kAccessDenied : kNotFound;
        if (!exists)
            return false;
    }
    m_keyPath = path;
    if (!m_lazyWrite)
        store->sync();
    return true;
}

bool CRegistry::ValueExists(const QString& name) const
{
    return OpenStore()->contains(ValuePath(name));
}

int CRegistry::ReadInt(const QString& name, int defaultValue) const
{
    bool ok = false;
    const int value = OpenStore()->value(ValuePath(name)).toInt(&ok);
    return ok ? value : defaultValue;
}

bool CRegistry::WriteInt(const QString& name, int value)
{
    return Write(name, value);
}

QString CRegistry::ReadString(const QString& name, const QString& defaultValue) const
{
    return OpenStore()->value(ValuePath(name), defaultValue).toString();
}

bool CRegistry::WriteString(const QString& name, const QString& value)
{
    return Write(name, value);
}

QByteArray CRegistry::ReadBinary(const QString& name) const
{
    return OpenStore()->value(ValuePath(name)).toByteArray();
}

bool CRegistry::WriteBinary(const QString& name, const QByteArray& value)
{
    return Write(name, value);
}

bool CRegistry::Write(const QString& name, const QVariant& value)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (!store->isWritable())
        return false;
    store->setValue(ValuePath(name), value);
    if (!m_lazyWrite)
        store->sync();
    return store->status() == QSettings::NoError;
}

void CRegistry::ResetKey()
{
    m_keyPath.clear();
    m_root = RegistryRoot::CurrentUser;
    m_lazyWrite = true;
}
