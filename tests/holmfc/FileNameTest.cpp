#include "QStringPrinter.h"

#include "holmfc/FileName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

TEST(FileName, EveryByteSurvivesTheRoundTripAndUtf8ReadsAsQtReadsIt)
{
    const QByteArray names[] = {
        "plain.lev", "r\xC3\xA4ksm\xC3\xB6rg\xC3\xA5s.lev", "\xF0\x9F\x8F\x8C.lev", // UTF-8 of 2 and 4 bytes
        "\xFF", "a\xFF\xFE.lev", "\xC0\x80",                                        // never UTF-8; overlong NUL
        "\xED\xB3\xBF", "\xED\xA0\x80\xED\xB0\x80",                                 // surrogates written as UTF-8
        "\xE2\x82", "\xF4\x90\x80\x80", "\x80tail", "line\nbreak",                  // cut short, too high, stray
    };
    for (const QByteArray& bytes : names) {
        const QString name = DecodeFileName(bytes);
        EXPECT_EQ(EncodeFileName(name), bytes) << bytes.toHex().constData();
        // Qt's reading is kept where it is lossless; elsewhere the display shows what Qt shows.
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes) {
            EXPECT_EQ(name, QFile::decodeName(bytes)) << bytes.toHex().constData();
        }
        EXPECT_FALSE(DisplayFileName(name).contains(QChar(0xDCFF)));
        // A file URL is plain ASCII and reads back whole.
        const QString url = FileUrlOfName("/" + name);
        EXPECT_TRUE(std::all_of(url.begin(), url.end(), [](QChar c) { return c.unicode() < 0x80; }));
        EXPECT_EQ(FileNameOfUrl(QUrl(url)), "/" + name) << bytes.toHex().constData();
        // A stored setting is plain ASCII whenever the name is not plain text, and reads back whole.
        const QString setting = FileNameToSetting(name);
        EXPECT_EQ(FileNameFromSetting(setting), name) << bytes.toHex().constData();
        if (name != QFile::decodeName(bytes)) {
            EXPECT_TRUE(std::all_of(setting.begin(), setting.end(), [](QChar c) { return c.unicode() < 0x80; }));
        }
    }
    EXPECT_EQ(DisplayFileName(DecodeFileName("a\xFF.lev")), QString::fromUtf8("a\uFFFD.lev"));
}

TEST(FileName, DialogAnswersAndRelativeNamesFindTheFileTheyMean)
{
    QTemporaryDir temp;
    const QByteArray dir = QFile::encodeName(temp.path());
    // A folder whose name is not UTF-8 holding one such file, and two names that look alike.
    ASSERT_EQ(mkdir((dir + "/odd\xFF").constData(), 0700), 0);
    for (const char* name : {"/odd\xFF/level\xFE.lev", "/same\xFE.lev", "/same\xFF.lev"})
        std::ofstream((dir + name).toStdString());
    // Qt's own dialog answers with the text it shows: each odd byte as U+FFFD.
    auto resolveText = [](const QByteArray& bytes) {
        return ResolveChosenFileName(QUrl::fromLocalFile(QFile::decodeName(bytes)), QFile::decodeName(bytes));
    };
    EXPECT_EQ(resolveText(dir + "/odd\xFF/level\xFE.lev"), DecodeFileName(dir + "/odd\xFF/level\xFE.lev"));
    EXPECT_EQ(resolveText(dir + "/odd\xFF/new.lev"), DecodeFileName(dir + "/odd\xFF/new.lev"));
    const QString lookAlike = QFile::decodeName(dir + "/same\xFF.lev");
    EXPECT_EQ(resolveText(dir + "/same\xFF.lev"), lookAlike);
    EXPECT_EQ(resolveText(dir), temp.path());
    // A native dialog answers with a URL that keeps the bytes, also of a new file.
    for (const char* name : {"/same\xFF.lev", "/new\xFF.lev"}) {
        const QUrl url = QUrl::fromEncoded("file://" + (dir + name).toPercentEncoding("/"));
        EXPECT_EQ(ResolveChosenFileName(url, QFile::decodeName(dir + name)), DecodeFileName(dir + name)) << name;
    }
    EXPECT_TRUE(FileNameExists(DecodeFileName(dir + "/same\xFF.lev")));
    EXPECT_FALSE(FileNameExists(lookAlike));

    // A relative name in a current folder whose name is not UTF-8 keeps the folder's bytes.
    const QString previous = QDir::currentPath();
    ASSERT_EQ(chdir((dir + "/odd\xFF").constData()), 0);
    const QString absolute = AbsoluteFileName(DecodeFileName("sub/../level\xFE.lev"));
    QDir::setCurrent(previous);
    EXPECT_EQ(absolute, DecodeFileName(dir + "/odd\xFF/level\xFE.lev"));
    EXPECT_EQ(AbsoluteFileName("/a/./b/../c.lev"), "/a/c.lev");
    // Qt cannot see these names, so it cannot remove them either.
    std::filesystem::remove_all(dir.toStdString());
}
