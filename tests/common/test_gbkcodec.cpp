#include "common/gbkcodec.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

const std::string songName = "\xCB\xCE\xCC\xE5"; // 宋体 in GBK

} // namespace

TEST(FileCodePage, GbkCharactersKeepTheirGbkBytesAndOthersSurvive)
{
    EXPECT_EQ(encodeGbk("宋体"), songName);
    EXPECT_EQ(decodeGbk(songName), "宋体");
    // Beyond GBK: GB18030's four-byte forms, read back unchanged.
    for (const std::string text : {"A😀B", "𠀀", "跨线€"}) {
        const std::string bytes = encodeGbk(text);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << text;
        EXPECT_EQ(decodeGbk(bytes), text);
    }
}

TEST(FileCodePage, BadUtf8IsWrittenAsOneMarkPerByte)
{
    EXPECT_EQ(encodeGbk("A\xE4" "B"), "A?B");
    EXPECT_EQ(encodeGbk("\xC0\x80"), "??");      // overlong NUL
    EXPECT_EQ(encodeGbk("\xED\xA0\x80"), "???"); // a surrogate
    EXPECT_EQ(encodeGbk("跨\xE7\xBA"), "\xBF\xE7??");
}

TEST(FileCodePage, BytesThatAreNoGb18030AreRefused)
{
    EXPECT_EQ(decodeGbk("A\x81"), std::nullopt); // a cut two-byte character
    EXPECT_EQ(decodeGbk("\xFF\xFF"), std::nullopt);
    EXPECT_EQ(decodeGbk(""), "");
}

TEST(MetafileCodePage, CharactersGbkLacksBecomeOneMarkEach)
{
    EXPECT_EQ(encodeStrictGbk("宋体"), songName);
    EXPECT_EQ(encodeStrictGbk("A€B"), "A\x80" "B"); // GBK's euro sign
    EXPECT_EQ(encodeStrictGbk("A😀B"), "A?B");
    EXPECT_EQ(encodeStrictGbk("𠀀𠀀x"), "??x");
    EXPECT_EQ(encodeStrictGbk("A\xE4" "B"), "A?B");
}

TEST(CodePages, LongTextsConvertWhole)
{
    // Longer than one conversion buffer.
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "最高温度";
    EXPECT_EQ(decodeGbk(encodeGbk(text)), text);
    EXPECT_EQ(encodeStrictGbk(text), encodeGbk(text));
}
