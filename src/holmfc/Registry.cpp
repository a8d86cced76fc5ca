#include "holmfc/Registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

QString GroupPath(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

#ifndef Q_OS_WIN
// The most a settings file may hold: its values take a few kilobytes.
constexpr qint64 kMaxStoreBytes = 1 << 20;

// The settings file of the user's roots or of the system's, where Qt keeps them.
QString StoreFileName(bool user)
{
    const QString folder = user ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                : QLibraryInfo::path(QLibraryInfo::SettingsPath);
    return folder + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QLatin1String(".conf");
}

// Why the file cannot be the store, or nothing when it can: a regular file of sane size, or no
// file yet. Looked at before the file is opened, which for a FIFO would wait for a writer.
QString WhyUnfit(const QString& fileName)
{
    struct stat info {};
    if (stat(QFile::encodeName(fileName).constData(), &info) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    if (info.st_size > kMaxStoreBytes)
        return QStringLiteral("larger than %1 bytes").arg(kMaxStoreBytes);
    return {};
}
#endif

constexpr char kWritable[] = "writable";

// One store a root for the whole run, so that values are not read from the file again for every
// operation and a batch of writes reaches the file once, when the event loop next runs (and at
// the latest when the stores are closed). A settings file that cannot be one is left alone: the
// store then has no file, finds no values and takes none.
QPointer<QSettings>& SharedStore(RegistryRoot root)
{
    static QPointer<QSettings> stores[4];
    return stores[static_cast<int>(root)];
}

QSettings* OpenSharedStore(RegistryRoot root)
{
    QPointer<QSettings>& store = SharedStore(root);
    if (store)
        return store;
    bool usable = true;
#ifdef Q_OS_WIN
    static const char* const rootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                            "HKEY_USERS"};
    store = new QSettings(QLatin1String(rootNames[static_cast<int>(root)]), QSettings::NativeFormat,
                          QCoreApplication::instance());
#else
    QString fileName = StoreFileName(root == RegistryRoot::CurrentUser || root == RegistryRoot::Users);
    if (const QString why = WhyUnfit(fileName); !why.isEmpty()) {
        qWarning("settings file %s: %s; starting from the default settings, which are not saved",
                 qPrintable(fileName), qPrintable(why));
        fileName.clear();
        usable = false;
    }
    store = new QSettings(fileName, QSettings::IniFormat, QCoreApplication::instance());
#endif
    // Whether the store can be written is asked once: the question looks at the file.
    store->setProperty(kWritable, usable && store->isWritable());
    return store;
}

bool IsWritable(const QSettings* store) { return store->property(kWritable).toBool(); }

} // namespace

QSettings* CRegistry::OpenStore() const { return OpenSharedStore(m_root); }

void CRegistry::CloseStores()
{
    for (const RegistryRoot root :
         {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine, RegistryRoot::Users})
        delete SharedStore(root).data();
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
    QSettings* const store = OpenStore();
    if (canCreate) {
        // A key comes into being with its first value; creating it needs a store we may write.
        if (!IsWritable(store))
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
    QSettings* const store = OpenStore();
    if (!IsWritable(store))
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
