#include <gtest/gtest.h>

#include <string>

#include "platform/qt/Cp1252.h"

namespace tooling::platform {
namespace {

TEST(Cp1252, EveryByteComesBackUnchanged) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
}

TEST(Cp1252, MapsBytesToTheirCharacters) {
    struct Row {
        unsigned char byte;
        char16_t code;
    };
    const Row rows[] = {
        {0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192},
        {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6},
        {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8D, 0x008D},
        {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018}, {0x92, 0x2019},
        {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
        {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153},
        {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xB0, 0x00B0},
        {0xD8, 0x00D8}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x00, 0x0000}, {0x7F, 0x007F},
    };
    for (const Row& row : rows) {
        const std::string byte(1, static_cast<char>(row.byte));
        const QString text = FromCp1252(byte);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), row.code) << std::hex << int(row.byte);
        EXPECT_EQ(ToCp1252(QString(QChar(row.code))), byte) << std::hex << int(row.byte);
    }
}

TEST(Cp1252, CharactersWithoutAByteBecomeOneQuestionMarkEach) {
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xCE\xA9 10")), "? 10");  // Greek omega
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xF0\x9F\x94\xA7"
                                         "b")),
              "a?b");  // outside the BMP
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE2\x82\xAC 5")), "\x80 5");
    EXPECT_EQ(ToCp1252(QString()), "");
    EXPECT_EQ(FromCp1252(std::string_view("\xD8 12.7", 6)), QString::fromUtf8("\xC3\x98 12.7"));
}

}  // namespace
}  // namespace tooling::platform
