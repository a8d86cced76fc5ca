#pragma once
// Level files as the GUI tests write and read them: by the file library, under the bytes of the
// name (which may not be UTF-8); the window fixture of the document tests.
#include "app/DocManager.h"
#include "common/EditorWindow.h"
#include "common/LevelBytes.h"
#include "file/FileAccess.h"
#include "holmfc/FileName.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

// A blank level file, side x side, with its name.
inline std::string LevelFile(int side, const std::string& name)
{
    CLevel level;
    level.Init(side, side, name, "me");
    return FileBytes(level);
}

// The file's bytes; empty when it cannot be read.
inline std::string ReadBytes(const QString& path)
{
    std::string bytes;
    std::string reason;
    return ReadRegularFile(EncodeFileName(path).toStdString(), bytes, reason) ? bytes : std::string();
}

// Writes the file whole, as another program saves it.
inline QString WriteBytes(const QString& path, const std::string& bytes)
{
    std::string reason;
    EXPECT_TRUE(WriteFileAtomically(EncodeFileName(path).toStdString(), bytes, reason)) << reason;
    return path;
}

// The name of the level in a file's bytes.
inline std::string NameIn(const std::string& bytes)
{
    CLevel level;
    return ReadLevel(bytes, level) ? level.GetName() : "(not a level)";
}

// The editor window with its document and a scratch folder for level files.
struct DocumentWindow : EditorWindow {
    QTemporaryDir dir;
    CEditorDoc& document = frame->GetDocument();
    CDocManager& manager = frame->GetDocManager();

    // Writes the file of that name in the scratch folder.
    QString Put(const char* name, const std::string& bytes)
    {
        return WriteBytes(dir.filePath(QLatin1String(name)), bytes);
    }
};
