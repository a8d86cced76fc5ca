#include "app/DocManager.h"

#include "app/EditorDoc.h"
#include "app/RecentFileList.h"
#include "app/StringTable.h"
#include "holmfc/FileName.h"
#include "holmfc/ResourceString.h"
#include "view/EditorView.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
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
}

void CDocManager::OnFileNew()
{
    if (!SaveModified())
        return;
    // The ball of test mode must not roll on a level being replaced.
    m_view.StopBallBeforeLevelChange();
    m_document.OnNewDocument(m_window);
    m_document.SetPathName(QString());
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
    const QString absolute = AbsoluteFileName(path);
    // The file that is open already stays as it is.
    if (!m_document.GetPathName().isEmpty() && absolute == m_document.GetPathName())
        return true;
    if (!SaveModified())
        return false;
    QString reason;
    m_view.StopBallBeforeLevelChange();
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
    QString reason;
    if (!m_document.OnSaveDocument(absolute, &reason)) {
        ReportError(tr("Cannot save %1.\n%2").arg(DisplayName(absolute), reason));
        return false;
    }
    TakeFile(absolute);
    return true;
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
    if (answer == QMessageBox::No)
        return true;
    return answer == QMessageBox::Yes && DoSave(m_document.GetPathName());
}

void CDocManager::ReportError(const QString& message) const
{
    QMessageBox::warning(m_window, LoadResourceString(IdsAppTitle), message);
}
