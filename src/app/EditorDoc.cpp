#include "app/EditorDoc.h"

#include "view/LevelPropertiesDlg.h"
#include "file/Archive.h"
#include "file/FileAccess.h"
#include "file/LevelText.h"
#include "holmfc/FileName.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sstream>

namespace {

// The reasons the file module and the level file's container give, as the user reads them; the
// C library's own texts come in the process's language already.
QString FileErrorText(const std::string& error)
{
    static const char* const known[] = {
        QT_TRANSLATE_NOOP("CArchive", "unexpected end of file"),
        QT_TRANSLATE_NOOP("CArchive", "the file could not be read"),
        QT_TRANSLATE_NOOP("CArchive", "malformed string length"),
        QT_TRANSLATE_NOOP("CArchive", "the file could not be written"),
        QT_TRANSLATE_NOOP("CArchive", "Not a regular file"),
        QT_TRANSLATE_NOOP("CArchive", "Larger than 64 MiB, the most a level file may hold"),
    };
    for (const char* text : known)
        if (error == text)
            return QCoreApplication::translate("CArchive", text);
    return QString::fromLocal8Bit(error);
}

} // namespace

bool CEditorDoc::OnNewDocument(QWidget* dialogParent)
{
    CLevel level = GetLevel();
    if (m_startingUp) {
        m_startingUp = false;
    } else if (CLevelPropertiesDlg dialog(dialogParent); dialog.exec() == QDialog::Accepted) {
        level.Init(dialog.GetLevelWidth(), dialog.GetLevelHeight(), dialog.GetName().toStdString(),
                   dialog.GetCreator().toStdString());
        level.Clear();
    }
    m_session.ReplaceLevel(level);
    return true;
}

bool CEditorDoc::OnOpenDocument(const QString& path, QString* reason)
{
    std::string text;
    std::string error;
    if (!ReadLevelFileText(EncodeFileName(path).toStdString(), text, error)) {
        *reason = FileErrorText(error);
        return false;
    }
    // The reader's verdict does not matter here: a rejected text leaves the level as the reader
    // left it, under the new file's name. Only unreadable bytes fail the open.
    CLevel level = GetLevel();
    level.ReadText(text);
    level.SetModified(false);
    m_session.ReplaceLevel(level);
    return true;
}

void CEditorDoc::TakeLevelText(const std::string& text)
{
    CLevel level = GetLevel();
    level.ReadText(text);
    level.SetModified(true);
    m_session.ReplaceLevel(level);
}

bool CEditorDoc::OnSaveDocument(const QString& path, QString* reason)
{
    const bool wasModified = IsModified();
    std::ostringstream stream;
    CArchive archive(stream);
    std::string error;
    if (!m_session.StoreLevel(archive)) {
        error = archive.GetError();
    } else if (!WriteFileAtomically(EncodeFileName(path).toStdString(), stream.str(), error)) {
        m_session.SetModified(wasModified);
    } else {
        return true;
    }
    *reason = FileErrorText(error);
    return false;
}

QString CEditorDoc::GetTitle() const
{
    return m_pathName.isEmpty() ? tr("Untitled") : DisplayFileName(QFileInfo(m_pathName).fileName());
}
