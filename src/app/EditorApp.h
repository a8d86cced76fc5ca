#pragma once
#include <QApplication>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class CMainFrame;

// The application: its name and settings location, the language of the user interface, the
// main window and the file named on the command line.
class CEditorApp : public QApplication {
    Q_OBJECT
public:
    CEditorApp(int& argc, char** argv);
    ~CEditorApp() override;

    // Starts the editor from its command line, "[--lang en|sv] [FILE]". False ends the application.
    bool InitInstance(const QStringList& arguments);
    // The command line, each argument as DecodeFileName reads it: a file name keeps every byte,
    // which QCoreApplication::arguments() does not for a name that is not UTF-8.
    const QStringList& GetArguments() const { return m_arguments; }

    // What a command line "[--lang en|sv] [FILE]" (Qt's own options taken out) asks for: the file
    // to open, none when empty, and the language, the system's when --lang is not given. error
    // says what is wrong with a command line that cannot be followed, and is empty otherwise.
    struct CCommandLine {
        QString file;
        QString language;
        QString error;
    };
    static CCommandLine ParseCommandLine(const QStringList& arguments);

    // The command line's help, which the manual page is made from, and its first lines, the usage.
    static std::string HelpText();
    static std::string UsageText();
    // Answers --help (-h) and --version (-V) among args on out and returns true; false when args
    // hold neither. Needs no application object, so no display either.
    static bool PrintInfoOption(const std::vector<std::string>& args, std::ostream& out);
    CMainFrame* GetMainFrame() const { return m_frame.get(); }

    // Installs the Swedish texts, ours and those of Qt's own dialogs and buttons, for "sv", or
    // none (English), and makes the default locale speak the same language. False for any other
    // language.
    static bool SetLanguage(const QString& language);
    // The language of the system's locale: "sv" for Swedish, otherwise "en".
    static QString GetSystemLanguage();

private:
    QStringList m_arguments;
    std::unique_ptr<CMainFrame> m_frame;
};
