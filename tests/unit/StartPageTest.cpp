#include <gtest/gtest.h>

#include "applet/StartPage.h"

TEST(StartPage, ReadsTheCommandLineLikeWtoiAndFallsBackToTheFirstPage) {
    const struct {
        const char16_t* text;
        int page;
    } cases[] = {
        {u"3", 3}, {u"  4", 4}, {u"+2", 2}, {u"5,extra", 5}, {u"06", 6},
        {nullptr, 0}, {u"", 0}, {u"   ", 0}, {u"-1", 0}, {u"General", 0}, {u"99999999999999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseStartPage(c.text), c.page) << c.page;

    EXPECT_EQ(ClampStartPage(5, 6), 5u);
    EXPECT_EQ(ClampStartPage(6, 6), 0u) << "a page the sheet does not have";
    EXPECT_EQ(ClampStartPage(-3, 7), 0u);
}
