#include "app/RecoveryKeeper.h"

#include "app/StringTable.h"
#include "holmfc/FileName.h"
#include "holmfc/ResourceString.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

#include <utility>

CRecoveryKeeper::CRecoveryKeeper(std::function<bool()> isModified, std::function<CContent()> content, QObject* parent)
    : QObject(parent), m_isModified(std::move(isModified)), m_content(std::move(content))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kMaxDelay);
    connect(&m_timer, &QTimer::timeout, this, &CRecoveryKeeper::WriteCopy);
}

void CRecoveryKeeper::OnLevelChanged()
{
    // Undo can bring back the level as it was saved.
    if (!m_isModified()) {
        DropCopy();
        return;
    }
    if (++m_changes >= kMaxChanges)
        WriteCopy();
    else if (!m_timer.isActive())
        m_timer.start();
}

void CRecoveryKeeper::OnLevelSettled()
{
    if (!m_isModified())
        DropCopy();
}

void CRecoveryKeeper::DropCopy()
{
    m_timer.stop();
    m_changes = 0;
    if (std::exchange(m_copied, false))
        m_writer.Post([this] { m_store.Remove(); });
}

void CRecoveryKeeper::WriteCopy()
{
    m_timer.stop();
    m_changes = 0;
    if (!m_isModified())
        return;
    m_copied = true;
    m_writer.Post([this, content = m_content()] {
        std::string reason;
        m_store.Write(content.documentPath, content.levelText, reason);
    });
}

void CRecoveryKeeper::OfferRecovery(QWidget* parent, const std::function<void(const CRecoveryCopy&)>& recover)
{
    const QLocale locale;
    for (const CRecoveryCopy& copy : m_store.FindAbandoned()) {
        const QString path = DecodeFileName(QByteArray::fromStdString(copy.documentPath));
        const QString name = path.isEmpty() ? QCoreApplication::translate("CEditorDoc", "Untitled")
                                            : DisplayFileName(QFileInfo(path).fileName());
        const QString time = locale.toString(QDateTime::fromSecsSinceEpoch(copy.time), QLocale::ShortFormat);
        const QMessageBox::StandardButton answer = QMessageBox::question(
            parent, LoadResourceString(IdsAppTitle), tr("Recover the unsaved changes to %1 from %2?").arg(name, time),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            recover(copy);
            WriteCopy();
            WaitForWrites();
            m_store.Forget(copy);
            return;
        }
        if (answer == QMessageBox::No)
            m_store.Forget(copy);
    }
}
