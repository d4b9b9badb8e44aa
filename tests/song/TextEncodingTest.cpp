#include <gtest/gtest.h>

#include "TextEncoding.h"

using namespace cantorino;

TEST(TextEncoding, Utf8OnlyWhenValidWithAMultiByteSequence) {
    EXPECT_EQ(detectEncoding({"plain", "ascii"}), TextEncoding::Windows1252);
    EXPECT_EQ(detectEncoding({"plain", "caff\xC3\xA8"}), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding({"caff\xC3\xA8", "perch\xE9"}), TextEncoding::Windows1252);  // one bad text
    EXPECT_EQ(detectEncoding({"\xC0\xAF"}), TextEncoding::Windows1252);  // overlong
    EXPECT_EQ(detectEncoding({"\xED\xA0\x80"}), TextEncoding::Windows1252);  // surrogate
    EXPECT_EQ(detectEncoding({"\xE2\x82"}), TextEncoding::Windows1252);  // cut sequence
}

TEST(TextEncoding, Windows1252DecodesToUtf8) {
    EXPECT_EQ(decodeText("caff\xE8 \x80 \x93 \x81", TextEncoding::Windows1252),
              "caff\xC3\xA8 \xE2\x82\xAC \xE2\x80\x9C \xC2\x81");
    EXPECT_EQ(decodeText("gi\xC3\xA0", TextEncoding::Utf8), "gi\xC3\xA0");
    EXPECT_EQ(countCharacters("gi\xC3\xA0\xE2\x82\xAC"), 4u);
}
