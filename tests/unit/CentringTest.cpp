#include <gtest/gtest.h>

#include "applet/Centring.h"

TEST(Centring, CentresOnTheOwnerInsideTheWorkAreaWithTheTopLeftWinning) {
    const ScreenRect workArea{0, 0, 1280, 984}, sheet{0, 0, 400, 500};
    const struct {
        ScreenRect sheet, centre, area;
        int x, y;
    } cases[] = {
        {sheet, {300, 200, 900, 700}, workArea, 400, 200},            // shares the owner's centre
        {sheet, {1100, 800, 1300, 1000}, workArea, 880, 484},         // pulled back from right and bottom
        {sheet, {-300, -300, 0, 0}, workArea, 0, 0},                  // and from left and top
        {{0, 0, 2000, 1200}, workArea, {100, 50, 1380, 1034}, 100, 50},  // larger than the area
        {{0, 0, 401, 501}, {0, 0, 1001, 801}, workArea, 300, 150},    // integer halves
    };
    for (const auto& c : cases) {
        ScreenPoint at = CentredPosition(c.sheet, c.centre, c.area);
        EXPECT_EQ(at.x, c.x) << c.centre.left;
        EXPECT_EQ(at.y, c.y) << c.centre.left;
    }
}
