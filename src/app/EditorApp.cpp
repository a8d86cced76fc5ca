#include "app/EditorApp.h"

#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "app/ProfileKey.h"
#include "app/StringTable.h"
#include "holmfc/FileName.h"

#include "QuorvaleVersion.h"

#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>
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
    // What is left of the command line once Qt has taken its own options.
    for (int i = 0; i < argc; ++i)
        m_arguments.append(DecodeFileName(argv[i]));
    setOrganizationName(QLatin1String(kOrganisationName));
    setApplicationName(QLatin1String(kApplicationName));
    // The desktop entry that the window belongs to, for its icon and name.
    setDesktopFileName(QStringLiteral("org.example.QuorvaleEditor"));
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

std::string CEditorApp::HelpText()
{
    return "Usage: quorvale-editor [--lang en|sv] [FILE]\n"
           "       quorvale-editor --help | --version\n"
           "Creates, edits and test-plays Quorvale levels.\n"
           "\n"
           "Opens FILE, a level file (.lev), or shows a new empty 10 x 10 level when there is none.\n"
           "The user interface speaks the language of the system's locale unless --lang is given.\n"
           "Qt's own options, such as -platform and -style, are accepted too.\n"
           "\n"
           "Options:\n"
           "  --lang en|sv     the language of the user interface: English or Swedish\n"
           "  -h, --help       print this help and exit\n"
           "  -V, --version    print the version and exit\n";
}

bool CEditorApp::PrintInfoOption(const std::vector<std::string>& args, std::ostream& out)
{
    auto given = [&](const char* shortName, const char* longName) {
        return std::any_of(args.begin(), args.end(),
                           [&](const std::string& arg) { return arg == shortName || arg == longName; });
    };
    if (given("-h", "--help"))
        out << HelpText();
    else if (given("-V", "--version"))
        out << "quorvale-editor " << kQuorvaleVersion << '\n';
    else
        return false;
    return true;
}

bool CEditorApp::InitInstance(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Language of the user interface."),
                                        QStringLiteral("en|sv"));
    parser.addOption(langOption);
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    const QString language = parser.isSet(langOption) ? parser.value(langOption) : GetSystemLanguage();
    if (files.size() > 1 || !SetLanguage(language)) {
        std::fputs(HelpText().c_str(), stderr);
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
