#include <gtest/gtest.h>

#include <string>

#include "platform/qt/Cp1252.h"

namespace tooling::platform {
namespace {

TEST(Cp1252, EveryByteHasItsCharacterAndComesBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    // Latin-1 but for 0x80 to 0x9F; the five bytes Windows leaves undefined stand for themselves.
    QString text = QString::fromLatin1(all.data(), 256);
    text.replace(0x80, 32,
                 QString::fromUtf16(u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030"
                                    u"\u0160\u2039\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C"
                                    u"\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D"
                                    u"\u017E\u0178"));
    EXPECT_EQ(FromCp1252(all), text);
    EXPECT_EQ(ToCp1252(text), all);
    // A character without a byte, in the basic plane (omega) or outside it, becomes one "?".
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xCE\xA9 a\xF0\x9F\x94\xA7"
                                         "b")),
              "? a?b");
}

}  // namespace
}  // namespace tooling::platform
