#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {
struct PinnedCodePage {
    explicit PinnedCodePage(const char* name) { codepage::pin(name); }
    ~PinnedCodePage() { codepage::pin(""); }
};
} // namespace

TEST(CodePage, Big5RoundTripsAndCountsTwoBytesPerCharacter)
{
    PinnedCodePage big5("BIG5");
    const std::string text = codepage::fromUtf8("條碼列印系統");
    EXPECT_EQ(text.size(), 12u);
    EXPECT_EQ(text.substr(0, 2), std::string("\xB1\xF8")); // 條 in Big5
    EXPECT_EQ(codepage::toUtf8(text), "條碼列印系統");
    EXPECT_EQ(codepage::fromUtf16(codepage::toUtf16(text)), text);
    EXPECT_EQ(codepage::msg("關閉系統?"), codepage::fromUtf8("關閉系統?"));
}

TEST(CodePage, UnconvertibleTextBecomesQuestionMarks)
{
    PinnedCodePage big5("BIG5");
    EXPECT_EQ(codepage::fromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b"); // an emoji has no Big5 form
    EXPECT_EQ(codepage::toUtf8("a\xFF" "b"), "a?b");
}

TEST(CodePage, Utf8IsPassedThrough)
{
    PinnedCodePage utf8("UTF-8");
    EXPECT_EQ(codepage::fromUtf8("條碼"), "條碼");
    EXPECT_EQ(codepage::toUtf16("條碼"), u"條碼");
}
