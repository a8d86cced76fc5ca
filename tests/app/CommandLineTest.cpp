#include "app/EditorApp.h"
#include "holmfc/FileName.h"

#include <gtest/gtest.h>

TEST(EditorCommandLine, NamesWhatIsWrongAndOtherwiseTheFileAndLanguage)
{
    const struct {
        QStringList arguments;
        const char* error;
    } bad[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-x", "a.lev"}, "unknown option '-x'"},
        {{"--lang"}, "missing a value for --lang"},
        {{"--lang", "de"}, "--lang takes en or sv, not 'de'"},
        {{"a.lev", "b.lev"}, "one FILE at most, not 2"},
    };
    for (const auto& test : bad) {
        const QStringList arguments = QStringList{"quorvale-editor"} + test.arguments;
        EXPECT_EQ(CEditorApp::ParseCommandLine(arguments).error, QString::fromUtf8(test.error)) << test.error;
    }

    const CEditorApp::CCommandLine swedish = CEditorApp::ParseCommandLine({"quorvale-editor", "--lang", "sv", "a.lev"});
    EXPECT_EQ(swedish.error, QString());
    EXPECT_EQ(swedish.file, "a.lev");
    EXPECT_EQ(swedish.language, "sv");
    // A file whose name starts with a dash, after "--".
    const CEditorApp::CCommandLine plain = CEditorApp::ParseCommandLine({"quorvale-editor", "--", "-a.lev"});
    EXPECT_EQ(plain.error, QString());
    EXPECT_EQ(plain.file, "-a.lev");
    EXPECT_EQ(plain.language, CEditorApp::GetSystemLanguage());
    // A file: URL names the file of its percent-encoded bytes.
    EXPECT_EQ(CEditorApp::ParseCommandLine({"quorvale-editor", "file:///l/%C3%A5%FF.lev"}).file,
              DecodeFileName("/l/\xC3\xA5\xFF.lev"));
}
