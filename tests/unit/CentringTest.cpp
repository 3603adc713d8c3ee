#include <gtest/gtest.h>

#include "applet/Centring.h"

namespace {

const ScreenRect kWorkArea{0, 0, 1280, 984};
const ScreenRect kSheet{0, 0, 400, 500};

TEST(Centring, SharesTheCentreOfTheOwnerWhenThatFits) {
    ScreenPoint at = CentredPosition(kSheet, {300, 200, 900, 700}, kWorkArea);
    EXPECT_EQ(at.x, 400);  // centre 600 - 200
    EXPECT_EQ(at.y, 200);  // centre 450 - 250
}

TEST(Centring, IsPulledBackInsideTheWorkArea) {
    ScreenPoint nearRight = CentredPosition(kSheet, {1100, 800, 1300, 1000}, kWorkArea);
    EXPECT_EQ(nearRight.x, 1280 - 400);
    EXPECT_EQ(nearRight.y, 984 - 500);

    ScreenPoint nearLeft = CentredPosition(kSheet, {-300, -300, 0, 0}, kWorkArea);
    EXPECT_EQ(nearLeft.x, 0);
    EXPECT_EQ(nearLeft.y, 0);
}

TEST(Centring, TheTopLeftEdgesWinForASheetLargerThanTheWorkArea) {
    ScreenPoint at = CentredPosition({0, 0, 2000, 1200}, kWorkArea, {100, 50, 1380, 1034});
    EXPECT_EQ(at.x, 100);
    EXPECT_EQ(at.y, 50);
}

TEST(Centring, UsesIntegerHalvesOnOddSizes) {
    ScreenPoint at = CentredPosition({0, 0, 401, 501}, {0, 0, 1001, 801}, kWorkArea);
    EXPECT_EQ(at.x, 500 - 200);
    EXPECT_EQ(at.y, 400 - 250);
}

}  // namespace
