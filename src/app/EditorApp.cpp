#include "app/EditorApp.h"

#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "view/ProfileKey.h"
#include "app/StringTable.h"
#include "file/ProgramFiles.h"
#include "holmfc/FileName.h"
#include "holmfc/ProgramPath.h"
#include "holmfc/Registry.h"

#include "QuorvaleVersion.h"

#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QUrl>

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
    // The manual lies beside the program in a build folder, in the installed data folder once
    // installed.
    SetProgramFileFinder([](const QString& relativePath) {
        return QFile::decodeName(QByteArray::fromStdString(FindInstalledFile(QFile::encodeName(relativePath).toStdString())));
    });
}

CEditorApp::~CEditorApp()
{
    // The view saves its settings as the frame goes; they reach the file while Qt still runs.
    m_frame.reset();
    CRegistry::CloseStores();
}

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

std::string CEditorApp::UsageText()
{
    return "Usage: quorvale-editor [--lang en|sv] [FILE]\n"
           "       quorvale-editor --help | --version\n";
}

std::string CEditorApp::HelpText()
{
    return UsageText() +
           "Creates, edits and test-plays Quorvale levels.\n"
           "\n"
           "Opens FILE, a level file (.lev) named by its path or a file: URL, or shows a new empty\n"
           "10 x 10 level when there is none.\n"
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

CEditorApp::CCommandLine CEditorApp::ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), QString(), QStringLiteral("en|sv"));
    parser.addOption(langOption);
    CCommandLine line;
    if (!parser.parse(arguments)) {
        // An unknown option, or --lang (the one option, and the one that takes a value) without
        // its value. Unknown names come without their dashes: one for a letter, two for a word.
        const QStringList unknown = parser.unknownOptionNames();
        const QString name = unknown.value(0);
        line.error = unknown.isEmpty() ? QStringLiteral("missing a value for --lang")
                                       : QStringLiteral("unknown option '%1%2'").arg(name.size() == 1 ? "-" : "--", name);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    line.file = files.value(0);
    // A file may also come as a "file:" URL, as desktops hand files over and as a session that
    // the desktop restores names the level that was open.
    if (line.file.startsWith(QLatin1String("file:")))
        line.file = FileNameOfUrl(QUrl(line.file));
    line.language = parser.isSet(langOption) ? parser.value(langOption) : GetSystemLanguage();
    if (files.size() > 1)
        line.error = QStringLiteral("one FILE at most, not %1").arg(files.size());
    else if (line.language != QLatin1String("en") && line.language != QLatin1String("sv"))
        line.error = QStringLiteral("--lang takes en or sv, not '%1'").arg(line.language);
    return line;
}

bool CEditorApp::InitInstance(const QStringList& arguments)
{
    CCommandLine line = ParseCommandLine(arguments);
    if (line.error.isEmpty() && !SetLanguage(line.language))
        line.error = QStringLiteral("the texts in '%1' could not be loaded").arg(line.language);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "quorvale-editor: error: %s\n%s", line.error.toLocal8Bit().constData(),
                     UsageText().c_str());
        return false;
    }

    m_frame = std::make_unique<CMainFrame>();
    CDocManager& documents = m_frame->GetDocManager();
    if (line.file.isEmpty())
        documents.OnFileNew();
    else if (!documents.OpenDocumentFile(line.file))
        return false;
    m_frame->show();
    m_frame->OfferRecovery();
    return true;
}
