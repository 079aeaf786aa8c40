#pragma once
// Where a window of a given size stands when it is centred on the desktop.
struct ScreenPoint {
    int x;
    int y;
};

// Half of (desktop extent - window extent), a half going to the even neighbour.
ScreenPoint CentredOrigin(int desktopRight, int desktopBottom, int width, int height);
