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
QTranslator s_qtDialogTranslator;

// Qt takes the language of some texts, such as the names of file types in the file dialog, from
// the default locale: it speaks the interface's language, in the system's country where the
// system speaks that language too.
void SetDefaultLocale(QLocale::Language language)
{
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == language ? system : QLocale(language));
}

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
    for (QTranslator* translator : {&s_editorTranslator, &s_qtTranslator, &s_qtDialogTranslator})
        removeTranslator(translator);
    if (language == QLatin1String("en")) {
        SetDefaultLocale(QLocale::English);
        return true;
    }
    if (language != QLatin1String("sv") || !s_editorTranslator.load(QStringLiteral(":/i18n/quorvale_sv.qm")))
        return false;
    // The translator installed last is asked first: our texts, then Qt's own catalogue of its
    // dialogs and buttons as the system ships it (qt_sv brings the catalogues of Qt's modules
    // with it), then our Swedish for the texts of Qt's dialogs that the system's catalogue lacks.
    if (s_qtDialogTranslator.load(QStringLiteral(":/i18n/qtdialogs_sv.qm")))
        installTranslator(&s_qtDialogTranslator);
    if (s_qtTranslator.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&s_qtTranslator);
    installTranslator(&s_editorTranslator);
    SetDefaultLocale(QLocale::Swedish);
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
