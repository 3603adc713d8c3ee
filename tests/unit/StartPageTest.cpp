#include <gtest/gtest.h>

#include "applet/StartPage.h"

TEST(StartPage, ReadsTheCommandLineLikeWtoi) {
    EXPECT_EQ(ParseStartPage(u"3"), 3);
    EXPECT_EQ(ParseStartPage(u"  4"), 4);
    EXPECT_EQ(ParseStartPage(u"+2"), 2);
    EXPECT_EQ(ParseStartPage(u"5,extra"), 5);
    EXPECT_EQ(ParseStartPage(u"06"), 6);
}

TEST(StartPage, BlankNegativeMalformedOrHugeTextsOpenTheFirstPage) {
    EXPECT_EQ(ParseStartPage(nullptr), 0);
    EXPECT_EQ(ParseStartPage(u""), 0);
    EXPECT_EQ(ParseStartPage(u"   "), 0);
    EXPECT_EQ(ParseStartPage(u"-1"), 0);
    EXPECT_EQ(ParseStartPage(u"General"), 0);
    EXPECT_EQ(ParseStartPage(u"99999999999999999999"), 0);
}

TEST(StartPage, PagesTheSheetDoesNotHaveFallBackToTheFirst) {
    EXPECT_EQ(ClampStartPage(5, 6), 5u);
    EXPECT_EQ(ClampStartPage(6, 6), 0u);
    EXPECT_EQ(ClampStartPage(6, 7), 6u);
    EXPECT_EQ(ClampStartPage(-3, 7), 0u);
}
