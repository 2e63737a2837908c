#include "db/quarnBuffer.h"

#include <gtest/gtest.h>
#include <string>

TEST(QuarnBuffer, BlockBoundaryAt510And511Bytes)
{
    const std::string t510(510, 'a'), t511(511, 'b');
    {
        quarnBuffer b;
        const char* p = b.put(t510.c_str());
        EXPECT_EQ(p, b.firstBlock().data.get());   // 0 + 510 + 1 < 512: fits
        EXPECT_EQ(b.fill(), 511u);
        EXPECT_EQ(b.firstBlock().next, nullptr);
    }
    {
        quarnBuffer b;
        const char* p = b.put(t511.c_str());       // 0 + 511 + 1 >= 512: moves on
        ASSERT_NE(b.firstBlock().next, nullptr);
        EXPECT_EQ(b.firstBlock().next->size, 513u);
        EXPECT_EQ(p, b.firstBlock().next->data.get());
        EXPECT_EQ(std::string(p), t511);
    }
}

TEST(QuarnBuffer, TextsStayValidAndResetReusesTheBlocks)
{
    quarnBuffer b;
    std::vector<std::pair<const char*, std::string>> handed;
    for (int i = 0; i < 200; ++i) {
        std::string t = "text " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x');
        handed.emplace_back(b.put(t.c_str()), t);
    }
    for (const auto& [p, t] : handed)
        EXPECT_EQ(std::string(p), t);

    const quarnBuffer::Block* second = b.firstBlock().next.get();
    ASSERT_NE(second, nullptr);
    b.reset();
    EXPECT_EQ(&b.currentBlock(), &b.firstBlock());
    EXPECT_EQ(b.fill(), 0u);
    EXPECT_EQ(b.put("again"), b.firstBlock().data.get());
    EXPECT_EQ(b.firstBlock().next.get(), second);   // kept for reuse
}

TEST(QuarnBuffer, EmptyTextsShareOneStaticText)
{
    quarnBuffer a, b;
    const char* e1 = a.put("");
    const char* e2 = a.put(nullptr);
    const char* e3 = b.put("");
    EXPECT_EQ(e1, e2);
    EXPECT_EQ(e1, e3);
    EXPECT_STREQ(e1, "");
    EXPECT_EQ(a.fill(), 0u);
}
