#include "app/EditorApp.h"

#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "app/ProfileKey.h"
#include "app/StringTable.h"

#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>

namespace {

// Translators stay installed for the life of the process.
QTranslator s_editorTranslator;
QTranslator s_qtTranslator;

} // namespace

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QLatin1String(kOrganisationName));
    setApplicationName(QLatin1String(kApplicationName));
    // The desktop entry that the window belongs to, for its icon and name.
    setDesktopFileName(QStringLiteral("quorvale-editor"));
    RegisterStringTable();
}

CEditorApp::~CEditorApp() = default;

bool CEditorApp::SetLanguage(const QString& language)
{
    removeTranslator(&s_editorTranslator);
    removeTranslator(&s_qtTranslator);
    if (language == QLatin1String("en"))
        return true;
    if (language != QLatin1String("sv") || !s_editorTranslator.load(QStringLiteral(":/i18n/quorvale_sv.qm")))
        return false;
    installTranslator(&s_editorTranslator);
    // Qt's own dialogs and buttons, where the system has their Swedish texts.
    if (s_qtTranslator.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&s_qtTranslator);
    return true;
}

QString CEditorApp::GetSystemLanguage()
{
    return QLocale::system().language() == QLocale::Swedish ? QStringLiteral("sv") : QStringLiteral("en");
}

bool CEditorApp::InitInstance()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quorvale level editor"));
    parser.addHelpOption();
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Language of the user interface."),
                                        QStringLiteral("en|sv"));
    parser.addOption(langOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Level file to open."), QStringLiteral("[FILE]"));
    parser.process(arguments());
    const QStringList files = parser.positionalArguments();
    const QString language = parser.isSet(langOption) ? parser.value(langOption) : GetSystemLanguage();
    if (files.size() > 1 || !SetLanguage(language)) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return false;
    }

    m_frame = std::make_unique<CMainFrame>();
    CDocManager& documents = m_frame->GetDocManager();
    if (files.isEmpty())
        documents.OnFileNew();
    else if (!documents.OpenDocumentFile(files.constFirst()))
        return false;
    m_frame->show();
    return true;
}
