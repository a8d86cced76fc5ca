#include "file/Archive.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

bool Read(const std::string& bytes, std::string& text, std::string* error = nullptr)
{
    std::istringstream in(bytes);
    CArchive archive(in);
    const bool ok = archive.ReadString(text);
    if (error)
        *error = archive.GetError();
    return ok;
}

} // namespace

TEST(Archive, LengthPrefixesRoundTrip)
{
    EXPECT_EQ(CArchive::EncodeLength(254), std::string("\xFE", 1));
    EXPECT_EQ(CArchive::EncodeLength(255), std::string("\xFF\xFF\x00", 3));
    EXPECT_EQ(CArchive::EncodeLength(0xFFFD), std::string("\xFF\xFD\xFF", 3));
    EXPECT_EQ(CArchive::EncodeLength(0xFFFE), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    for (std::size_t length : {0u, 1u, 254u, 255u, 300u, 0xFFFDu, 0xFFFEu, 70000u}) {
        const std::string text(length, 'q');
        std::ostringstream out;
        CArchive writer(out);
        ASSERT_TRUE(writer.WriteString(text));
        std::string back;
        ASSERT_TRUE(Read(out.str(), back)) << length;
        EXPECT_EQ(back, text);
    }
}

TEST(Archive, TruncatedAndHostileInputFailsCleanly)
{
    std::string text = "untouched", error;
    EXPECT_FALSE(Read("", text, &error));
    EXPECT_EQ(error, "unexpected end of file");
    EXPECT_FALSE(Read("\x05" "abc", text));
    EXPECT_FALSE(Read("\xFF\x01", text));
    // A prefix promising four gigabytes over a few bytes: no huge allocation, just a failure.
    EXPECT_FALSE(Read(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + "abc", text));
    EXPECT_EQ(text, "untouched");
    // The wide-character form is read as Latin-1.
    ASSERT_TRUE(Read(std::string("\xFF\xFE\xFF\x03" "a\0\xE9\0\x01\x20", 10), text));
    EXPECT_EQ(text, "a\xE9?");
    EXPECT_FALSE(Read(std::string("\xFF\xFE\xFF\xFF\xFE\xFF", 6), text));
}
