#include "app/DiskWatcher.h"

#include "holmfc/FileName.h"

#include <QSocketNotifier>

namespace {

// A save writes, syncs and renames, and a checkout may write a file in pieces: the look at the
// file waits until the events have stopped for this long.
constexpr int kSettleMilliseconds = 200;

} // namespace

CDiskWatcher::CDiskWatcher(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &CDiskWatcher::Check);
    if (m_watch.GetDescriptor() >= 0) {
        m_notifier = new QSocketNotifier(m_watch.GetDescriptor(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            if (m_watch.ReadEvents())
                m_settle.start();
        });
    }
}

void CDiskWatcher::Watch(const QString& path)
{
    m_watch.Watch(EncodeFileName(path).toStdString());
    m_told.reset();
}

void CDiskWatcher::Check()
{
    if (!m_watch.HasChanged())
        return;
    const std::optional<std::size_t> content = m_watch.ReadContent();
    if (m_told == content)
        return;
    m_told = content;
    emit Changed();
}
