#pragma once
#include <QByteArray>
#include <QString>

class QSettings;

// The roots a key path can hang from.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// One key path under one root of the settings store: the registry on Windows; elsewhere the
// application's settings file (the user's config folder for the user roots, the system's for the
// others), in which the key path becomes nested groups. Failures are reported only through the
// boolean results. The stores are opened once and shared: what is written reaches the file once
// the current event has been handled, a batch of values in one write. A settings file that is not
// a regular file of at most 1 MiB is never opened: the settings start from their defaults (with
// a warning on the debug output) and are not saved.
class CRegistry {
public:
    // Status codes of SetKey without creation.
    static constexpr long kSuccess = 0;
    static constexpr long kNotFound = 2;
    static constexpr long kAccessDenied = 5;

    // Accepts only the four roots of RegistryRoot; anything else keeps the root and fails.
    bool SetRootKey(RegistryRoot root);
    // An empty path clears the key path. Otherwise the key is created (canCreate) or must exist;
    // on success it becomes the key path, on failure the previous path stays.
    bool SetKey(const QString& path, bool canCreate);
    bool ValueExists(const QString& name) const;
    // A missing value or one that is not a number gives the default.
    int ReadInt(const QString& name, int defaultValue) const;
    bool WriteInt(const QString& name, int value);
    QString ReadString(const QString& name, const QString& defaultValue) const;
    bool WriteString(const QString& name, const QString& value);
    QByteArray ReadBinary(const QString& name) const;
    bool WriteBinary(const QString& name, const QByteArray& value);
    // Empty path, root CurrentUser, lazy writing.
    void ResetKey();
    // Writes what is pending and closes the stores; the next operation opens them afresh.
    static void CloseStores();

    // Without lazy writing every write reaches the store before the call returns.
    void SetLazyWrite(bool lazy) { m_lazyWrite = lazy; }
    long GetLastStatus() const { return m_lastStatus; }
    RegistryRoot GetRootKey() const { return m_root; }
    const QString& GetKeyPath() const { return m_keyPath; }

private:
    QSettings* OpenStore() const;
    QString ValuePath(const QString& name) const;
    bool Write(const QString& name, const QVariant& value);

    long m_lastStatus = kSuccess;
    RegistryRoot m_root = RegistryRoot::CurrentUser;
    bool m_lazyWrite = true;
    QString m_keyPath;
};
