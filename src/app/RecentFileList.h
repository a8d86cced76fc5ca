#pragma once
#include <QString>
#include <QStringList>

// The most recently opened or saved files, newest first, at most four, kept in section
// "Recent File List" of the editor's key as values "File1" to "File4".
class CRecentFileList {
public:
    static constexpr int kMaxFiles = 4;

    void ReadList();
    void WriteList() const;

    // Puts the file first, removing an earlier entry of it; the oldest entry falls off the end.
    void Add(const QString& path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(m_files.size()); }
    // The entry at that index, or an empty string.
    QString GetAt(int index) const { return m_files.value(index); }
    // The menu text of an entry: "&1 " and its path, shortened in the middle to at most
    // kMenuChars characters so that a long name cannot widen the menu past the screen.
    QString GetMenuText(int index) const;
    // The whole path of an entry as a person reads it, for the status bar.
    QString GetDisplayName(int index) const;

    static constexpr int kMenuChars = 60;

private:
    QStringList m_files;
};
