#include <gtest/gtest.h>

#include "record/CodificareText.h"

using namespace vitramor;

TEST(CodificareText, EveryByteComesBackTheWayItWentThroughQtAndUtf8) {
    for (int b = 1; b < 256; ++b) {
        const std::string octet(1, static_cast<char>(b));
        EXPECT_EQ(Windows1252DinQt(TextQt(octet)), octet) << b;
        EXPECT_EQ(Windows1252DinUtf8(Utf8DinWindows1252(octet)), octet) << b;
    }
    EXPECT_EQ(TextQt("\x80\xB5\xE2"), QString::fromUtf8("€µâ"));
}

TEST(CodificareText, TextsTheCodePageCannotHoldAreRefusedOrMarked) {
    for (const char* utf8 : {"\xC8\x99", "\xE2\x84\xA2\xE2\x82", "\xC3", "\xF0\x9F\x98\x80"})  // ș, cut, emoji
        EXPECT_FALSE(Windows1252DinUtf8(utf8)) << utf8;
    EXPECT_EQ(Windows1252DinQt(QString::fromUtf8("a\xC8\x99" "b")), "a?b");
    // Messages: valid UTF-8 stays, anything else was Windows-1252.
    EXPECT_EQ(Utf8DinMesaj("/h/\xC3\xA9 F\xE9"), "/h/\xC3\x83\xC2\xA9 F\xC3\xA9");
    EXPECT_EQ(Utf8DinMesaj("/h/\xC3\xA9"), "/h/\xC3\xA9");
}
