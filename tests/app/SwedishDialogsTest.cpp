// Qt's standard dialogs and buttons speak the interface's language: the file dialog, as the editor
// opens it. (The end-to-end run answers the Swedish save question with its "&Ja".)
#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "app/MainFrame.h"
#include "common/QtTestApp.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QListView>

#include <gtest/gtest.h>

namespace {

// The texts the user reads in the Open dialog.
struct CDialogTexts {
    QString lookIn;
    QString fileName;
    QString firstPlace;
    QStringList filters;
};

CDialogTexts ReadDialogs()
{
    CDialogTexts texts;
    CMainFrame frame;
    frame.show();
    const CModalHandler cancel([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        texts.lookIn = dialog->findChild<QLabel*>("lookInLabel")->text();
        texts.fileName = dialog->findChild<QLabel*>("fileNameLabel")->text();
        texts.firstPlace = dialog->findChild<QListView*>("sidebar")->model()->index(0, 0).data().toString();
        texts.filters = dialog->nameFilters();
        dialog->reject();
    });
    frame.GetAction(CmdFileOpen)->trigger();
    EXPECT_TRUE(cancel.WasShown());
    return texts;
}

} // namespace

TEST(SwedishDialogs, QtDialogsAndButtonsFollowTheInterfaceLanguage)
{
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    const CDialogTexts swedish = ReadDialogs();
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("en")));
    const CDialogTexts english = ReadDialogs();

    EXPECT_EQ(swedish.lookIn, "Leta i:");
    EXPECT_EQ(swedish.fileName, "Fil&namn:"); // from the Swedish catalogue of the system's Qt
    EXPECT_EQ(swedish.firstPlace, "Dator");
    EXPECT_EQ(swedish.filters, (QStringList{"Banfil (*.lev)", "Alla filer (*)"}));

    // And back in English.
    EXPECT_EQ(english.fileName, "File &name:");
    EXPECT_EQ(english.filters, (QStringList{"Level file (*.lev)", "All files (*)"}));
}
