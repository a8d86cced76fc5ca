#pragma once
#include <QApplication>
#include <QTranslator>

#include <memory>

class CMainFrame;

// The application: its name and settings location, the language of the user interface, the
// main window and the file named on the command line.
class CEditorApp : public QApplication {
    Q_OBJECT
public:
    CEditorApp(int& argc, char** argv);
    ~CEditorApp() override;

    // Starts the editor: "[--lang en|sv] [FILE]". False ends the application.
    bool InitInstance();
    CMainFrame* GetMainFrame() const { return m_frame.get(); }

    // Installs the Swedish texts, for "sv", or none (English). False for any other language.
    static bool SetLanguage(const QString& language);
    // The language of the system's locale: "sv" for Swedish, otherwise "en".
    static QString GetSystemLanguage();

private:
    std::unique_ptr<CMainFrame> m_frame;
};
