// The Swedish file must translate every text that the editor's sources show: lupdate lists them,
// and each must have a finished entry. An unfinished entry, or an obsolete one whose text the
// sources use again, would show English in the Swedish editor (lrelease leaves both out).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

// One message of a .ts file, by context, source text and disambiguation.
using CMessageKey = std::tuple<QString, QString, QString>;

struct CMessage {
    QString type; // empty for a finished entry; "unfinished", "obsolete" or "vanished"
    QString translation;
};

std::map<CMessageKey, CMessage> ReadTsFile(const QString& path)
{
    std::map<CMessageKey, CMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages[{context, source, comment}] = {type, xml.readElementText(QXmlStreamReader::IncludeChildElements)};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The texts of the shell's sources, as lupdate finds them.
std::map<CMessageKey, CMessage> UsedTexts(const QString& sourceDir, const QString& folder)
{
    const QString listing = QDir(folder).filePath(QStringLiteral("used_sv.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(QStringLiteral(QV_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                   sourceDir + "/src", sourceDir + "/src/app", sourceDir + "/src/view", sourceDir + "/src/holmfc",
                   QStringLiteral("-ts"), listing});
    EXPECT_TRUE(lupdate.waitForFinished(60000));
    EXPECT_EQ(lupdate.exitCode(), 0);
    return ReadTsFile(listing);
}

// What keeps a text from showing in Swedish, one line per text.
QStringList FindFaults(const std::map<CMessageKey, CMessage>& file, const std::map<CMessageKey, CMessage>& used)
{
    QStringList faults;
    auto describe = [](const CMessageKey& key) {
        return std::get<0>(key) + QStringLiteral(" \"") + std::get<1>(key) + QStringLiteral("\"");
    };
    for (const auto& [key, message] : file) {
        if (message.type == QLatin1String("unfinished") || (message.type.isEmpty() && message.translation.isEmpty()))
            faults << QStringLiteral("unfinished: ") + describe(key);
    }
    for (const auto& [key, unused] : used) {
        const auto entry = file.find(key);
        if (entry == file.end())
            faults << QStringLiteral("missing: ") + describe(key);
        else if (entry->second.type == QLatin1String("obsolete") || entry->second.type == QLatin1String("vanished"))
            faults << QStringLiteral("obsolete but used: ") + describe(key);
    }
    return faults;
}

} // namespace

TEST(SwedishTranslation, EveryTextTheShellShowsIsTranslated)
{
    QTemporaryDir folder;
    const QString sourceDir = QStringLiteral(QV_TEST_SOURCE_DIR);
    const std::map<CMessageKey, CMessage> used = UsedTexts(sourceDir, folder.path());
    ASSERT_GT(used.size(), 100U); // lupdate found the sources
    const QStringList faults =
        FindFaults(ReadTsFile(sourceDir + "/src/app/translations/quorvale_sv.ts"), used);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    // Our Swedish for Qt's own dialogs has nothing unfinished either.
    EXPECT_EQ(FindFaults(ReadTsFile(sourceDir + "/src/app/translations/qt/qtdialogs_sv.ts"), {}), QStringList());
}
