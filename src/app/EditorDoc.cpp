#include "app/EditorDoc.h"

#include "app/LevelPropertiesDlg.h"
#include "file/Archive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sstream>

bool CEditorDoc::s_startingUp = true;

namespace {

// The reasons the level file's container gives, as the user reads them.
QString ArchiveErrorText(const std::string& error)
{
    static const char* const known[] = {
        QT_TRANSLATE_NOOP("CArchive", "unexpected end of file"),
        QT_TRANSLATE_NOOP("CArchive", "the file could not be read"),
        QT_TRANSLATE_NOOP("CArchive", "malformed string length"),
        QT_TRANSLATE_NOOP("CArchive", "the file could not be written"),
    };
    for (const char* text : known)
        if (error == text)
            return QCoreApplication::translate("CArchive", text);
    return QString::fromStdString(error);
}

} // namespace

bool CEditorDoc::OnNewDocument(QWidget* dialogParent)
{
    if (s_startingUp) {
        s_startingUp = false;
        return true;
    }
    CLevelPropertiesDlg dialog(dialogParent);
    if (dialog.exec() == QDialog::Accepted) {
        m_level.Init(dialog.GetLevelWidth(), dialog.GetLevelHeight(), dialog.GetName().toStdString(),
                     dialog.GetCreator().toStdString());
        m_level.Clear();
    }
    return true;
}

bool CEditorDoc::OnOpenDocument(const QString& path, QString* reason)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        *reason = tr("It is a folder, not a file.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    std::istringstream stream(bytes.toStdString());
    CArchive archive(stream);
    // The reader's verdict does not matter here: a rejected text leaves the level as the reader
    // left it, under the new file's name. Only unreadable bytes fail the open.
    m_level.Load(archive);
    if (!archive.GetError().empty()) {
        *reason = ArchiveErrorText(archive.GetError());
        return false;
    }
    return true;
}

bool CEditorDoc::OnSaveDocument(const QString& path, QString* reason)
{
    const bool wasModified = m_level.IsModified();
    std::ostringstream stream;
    CArchive archive(stream);
    if (!m_level.Store(archive)) {
        *reason = ArchiveErrorText(archive.GetError());
        return false;
    }
    const std::string bytes = stream.str();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        *reason = file.errorString();
        m_level.SetModified(wasModified);
        return false;
    }
    return true;
}

QString CEditorDoc::GetTitle() const
{
    return m_pathName.isEmpty() ? tr("Untitled") : QFileInfo(m_pathName).fileName();
}
