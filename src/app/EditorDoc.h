#pragma once
#include "edit/EditingSession.h"

#include <QObject>
#include <QString>

class QWidget;

// The document: the one level of the editor, with the editing session through which every change
// of it goes, and the file it came from. New and Open reuse it for the whole run.
class CEditorDoc : public QObject {
    Q_OBJECT
public:
    const CLevel& GetLevel() const { return m_session.GetLevel(); }
    CEditingSession& GetSession() { return m_session; }

    // The level's own flag alone decides whether the document is modified.
    bool IsModified() const { return GetLevel().IsModified(); }

    // Starts a new document. The first call keeps the level as constructed; later calls ask for
    // the new level's size, creator and name, and a cancelled dialog keeps the level.
    bool OnNewDocument(QWidget* dialogParent);
    // Reads the level file; path is a name as DecodeFileName gives it. False (reason set, level
    // untouched) when the file's bytes cannot be read: not a regular file, larger than the read
    // limit, or unreadable (FileAccess.h). A level text that the reader rejects still counts as
    // opened.
    bool OnOpenDocument(const QString& path, QString* reason);
    // Writes the level file with WriteFileAtomically (FileAccess.h), whose rules say what is
    // replaced. False (reason set) when it cannot be written; the file on disk and the level's
    // modified flag then stay as they were.
    bool OnSaveDocument(const QString& path, QString* reason);
    // The level read from the text (an earlier version or a recovery copy), marked modified: it is
    // not what the file on disk holds.
    void TakeLevelText(const std::string& text);

    const QString& GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path) { m_pathName = path; }
    // The file name without its folder, or "Untitled".
    QString GetTitle() const;

private:
    CEditingSession m_session;
    QString m_pathName;
    // Set until the first OnNewDocument: the one the editor starts with asks nothing.
    bool m_startingUp = true;
};
