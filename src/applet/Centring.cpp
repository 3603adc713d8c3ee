#include "applet/Centring.h"

namespace {

int Place(int centreStart, int centreEnd, int size, int areaStart, int areaEnd) {
    int start = (centreStart + centreEnd) / 2 - size / 2;
    if (start + size > areaEnd) start = areaEnd - size;
    if (start < areaStart) start = areaStart;
    return start;
}

}  // namespace

ScreenPoint CentredPosition(const ScreenRect& sheet, const ScreenRect& centre,
                            const ScreenRect& workArea) {
    return {Place(centre.left, centre.right, sheet.Width(), workArea.left, workArea.right),
            Place(centre.top, centre.bottom, sheet.Height(), workArea.top, workArea.bottom)};
}
