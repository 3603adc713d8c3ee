#pragma once
// Where the sheet is placed when it is first shown: centred over its owner
// (or over the monitor's work area), and pulled back inside the work area.

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ScreenPoint {
    int x = 0, y = 0;
};

// The top-left corner for a window of the sheet's size centred on `centre`.
// Overhanging the right or bottom edge of `workArea` moves it back in; the
// left and top edges win when the window is larger than the work area.
ScreenPoint CentredPosition(const ScreenRect& sheet, const ScreenRect& centre,
                            const ScreenRect& workArea);
