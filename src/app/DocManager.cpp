#include "app/DocManager.h"

#include "app/EarlierVersionsDlg.h"
#include "app/EditorDoc.h"
#include "app/RecentFileList.h"
#include "app/StringTable.h"
#include "file/LevelText.h"
#include "holmfc/FileName.h"
#include "holmfc/ResourceString.h"
#include "state/RecoveryStore.h"
#include "view/EditorView.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace {

QString LevelFileFilter()
{
    return CDocManager::tr("Level file") + QStringLiteral(" (*.lev);;") + CDocManager::tr("All files") +
           QStringLiteral(" (*)");
}

// The file the dialog's answer names, with every byte of its name (see ResolveChosenFileName).
QString ChosenFileName(const QFileDialog& dialog)
{
    return ResolveChosenFileName(dialog.selectedUrls().value(0), dialog.selectedFiles().constFirst());
}

QString DisplayName(const QString& path)
{
    return DisplayFileName(QDir::toNativeSeparators(path));
}

} // namespace

CDocManager::CDocManager(CEditorDoc& document, CEditorView& view, CRecentFileList& recentFiles, QWidget* window)
    : m_document(document), m_view(view), m_recentFiles(recentFiles), m_window(window)
{
    connect(&m_diskWatcher, &CDiskWatcher::Changed, this, &CDocManager::OnFileChangedOnDisk);
}

void CDocManager::OnFileNew()
{
    if (!SaveModified())
        return;
    m_document.OnNewDocument(m_window);
    m_document.SetPathName(QString());
    m_diskWatcher.Watch(QString());
    m_view.OnInitialUpdate(m_recentFiles.GetAt(0));
    emit DocumentChanged();
}

void CDocManager::OnFileOpen()
{
    QFileDialog dialog(m_window, tr("Open"), QString(), LevelFileFilter());
    // The dialog's own check that the file exists fails for a name that is not UTF-8, which the
    // dialog shows altered; the name is resolved here and a missing file reported by the open.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenDocumentFile(ChosenFileName(dialog));
}

void CDocManager::OnFileSave()
{
    DoSave(m_document.GetPathName());
}

void CDocManager::OnFileSaveAs()
{
    DoSave(QString());
}

void CDocManager::OnOpenRecentFile(int index)
{
    const QString path = m_recentFiles.GetAt(index);
    if (path.isEmpty())
        return;
    if (!OpenDocumentFile(path) && !FileNameExists(path)) {
        m_recentFiles.Remove(index);
        m_recentFiles.WriteList();
        emit DocumentChanged();
    }
}

bool CDocManager::OpenDocumentFile(const QString& path)
{
    // The open file, opened again, is read again: the way to take in what changed on disk.
    return SaveModified() && ReadDocumentFile(AbsoluteFileName(path));
}

bool CDocManager::ReadDocumentFile(const QString& absolute)
{
    QString reason;
    if (!m_document.OnOpenDocument(absolute, &reason)) {
        ReportError(tr("Cannot open %1.\n%2").arg(DisplayName(absolute), reason));
        return false;
    }
    TakeFile(absolute);
    m_view.OnInitialUpdate(m_recentFiles.GetAt(0));
    return true;
}

bool CDocManager::DoSave(const QString& path)
{
    const QString target = path.isEmpty() ? PromptSaveFileName() : path;
    if (target.isEmpty())
        return false;
    const QString absolute = AbsoluteFileName(target);
    if (absolute == m_document.GetPathName() && !MayOverwriteChangedFile())
        return false;
    std::string versionError;
    const bool versionKept = m_versions.Keep(EncodeFileName(absolute).toStdString(), versionError);
    QString reason;
    if (!m_document.OnSaveDocument(absolute, &reason)) {
        ReportError(tr("Cannot save %1.\n%2").arg(DisplayName(absolute), reason));
        return false;
    }
    TakeFile(absolute);
    if (!versionKept)
        emit StatusMessage(tr("Saved, but no earlier version of %1 was kept: %2")
                               .arg(m_document.GetTitle(), QString::fromLocal8Bit(versionError)));
    return true;
}

bool CDocManager::MayOverwriteChangedFile() const
{
    // A file that is gone has nothing to overwrite.
    if (!m_diskWatcher.HasChanged() || !FileNameExists(m_document.GetPathName()))
        return true;
    return QMessageBox::question(m_window, LoadResourceString(IdsAppTitle),
                                 tr("%1 has changed on disk since you opened it. Overwrite it?").arg(m_document.GetTitle()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void CDocManager::OnFileChangedOnDisk()
{
    const QString path = m_document.GetPathName();
    if (path.isEmpty() || m_askingAboutDisk)
        return;
    // Not under another dialog, which may be working on the level: once it has closed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &CDocManager::OnFileChangedOnDisk);
        return;
    }
    const QString name = m_document.GetTitle();
    if (!FileNameExists(path)) {
        emit StatusMessage(tr("%1 is no longer on disk.").arg(name));
        return;
    }
    if (m_document.IsModified()) {
        m_askingAboutDisk = true;
        const QMessageBox::StandardButton answer = QMessageBox::question(
            m_window, LoadResourceString(IdsAppTitle), tr("%1 has changed on disk. Reload it and lose your changes?").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        m_askingAboutDisk = false;
        if (answer != QMessageBox::Yes)
            return;
        emit ChangesDiscarded();
    }
    if (ReadDocumentFile(path))
        emit StatusMessage(tr("%1 changed on disk and was reloaded.").arg(name));
}

void CDocManager::OnEarlierVersions()
{
    const QString path = m_document.GetPathName();
    if (path.isEmpty())
        return;
    const QString title = m_document.GetTitle();
    const std::vector<CKeptVersion> versions = m_versions.List(EncodeFileName(path).toStdString());
    if (versions.empty()) {
        QMessageBox::information(m_window, LoadResourceString(IdsAppTitle),
                                 tr("No earlier versions of %1 are kept.").arg(title));
        return;
    }
    CEarlierVersionsDlg dialog(versions, tr("Earlier Versions of %1").arg(title), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Read before the save question: a save keeps a version and may drop the oldest.
    const QString copy = dialog.GetChosenPath();
    std::string text;
    std::string error;
    if (!ReadLevelFileText(EncodeFileName(copy).toStdString(), text, error)) {
        ReportError(tr("Cannot open %1.\n%2").arg(DisplayName(copy), QString::fromLocal8Bit(error)));
        return;
    }
    if (!SaveModified())
        return;
    m_document.TakeLevelText(text);
    m_view.OnInitialUpdate(m_recentFiles.GetAt(0));
    emit DocumentChanged();
}

void CDocManager::RecoverLevel(const CRecoveryCopy& copy)
{
    m_document.TakeLevelText(copy.levelText);
    const QString path = DecodeFileName(QByteArray::fromStdString(copy.documentPath));
    m_document.SetPathName(path);
    m_diskWatcher.Watch(path);
    m_view.OnInitialUpdate(m_recentFiles.GetAt(0));
    emit DocumentChanged();
}

QString CDocManager::PromptSaveFileName() const
{
    QFileDialog dialog(m_window, tr("Save As"), QString(), LevelFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lev"));
    dialog.selectFile(m_document.GetPathName().isEmpty() ? m_document.GetTitle() + QStringLiteral(".lev")
                                                         : m_document.GetPathName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return ChosenFileName(dialog);
}

void CDocManager::TakeFile(const QString& path)
{
    m_document.SetPathName(path);
    m_diskWatcher.Watch(path);
    m_recentFiles.Add(path);
    m_recentFiles.WriteList();
    emit DocumentChanged();
}

bool CDocManager::SaveModified()
{
    if (!m_document.IsModified())
        return true;
    // The file by its name, as the window title shows it.
    const QMessageBox::StandardButton answer = QMessageBox::question(
        m_window, LoadResourceString(IdsAppTitle), tr("Save changes to %1?").arg(m_document.GetTitle()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    // Only Yes saves: a box closed without an answer keeps the level and writes nothing.
    if (answer == QMessageBox::No) {
        emit ChangesDiscarded();
        return true;
    }
    return answer == QMessageBox::Yes && DoSave(m_document.GetPathName());
}

void CDocManager::ReportError(const QString& message) const
{
    QMessageBox::warning(m_window, LoadResourceString(IdsAppTitle), message);
}
