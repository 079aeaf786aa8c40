#pragma once
// A skin as the clock shows it: the background and the time strip in memory DCs, with what the clock takes from the
// background, all from one read of its pixels: the window's size, its outline and where the time goes.
#include "face/PixelScan.h"
#include "system/DeviceContexts.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A picture of a skin: a bitmap file, or the program's built-in picture `builtInId` for no path.
struct SkinFile {
    std::string path;
    int builtInId;
};
// The picture, or nothing for a file that does not load (its header is checked before the system reads it).
GdiBitmap LoadSkinPicture(const SkinFile& file);

class Skin {
public:
    Skin() = default;
    Skin(GdiBitmap background, GdiBitmap timeStrip);
    // Each picture loaded through LoadSkinPicture; one that does not load is left out.
    Skin(const SkinFile& background, const SkinFile& timeStrip);

    // Replaces the background and what comes from its pixels; nothing leaves the skin without one.
    void SetBackground(GdiBitmap picture);
    void SetTimeStrip(GdiBitmap picture);

    // Shows every pixel of both pictures as a multiple x multiple block; size, outline and time place follow.
    void SetMultiple(int multiple);
    int multiple() const { return multiple_; }

    // The background and the time strip as shown, ready for BitBlt; null when left out.
    HDC hBackDC() const { return multiple_ > 1 ? bigBack_ : back_; }
    HDC hTimeDC() const { return multiple_ > 1 ? bigTime_ : time_; }
    // The window's size.
    int width() const { return skinBitmap_.bmWidth * multiple_; }
    int height() const { return skinBitmap_.bmHeight * multiple_; }
    // The rectangles of the window region: the pixels that differ from the top-left one. Empty for none.
    const std::vector<OutlineRect>& outline() const { return shown().outline; }
    // Where the time goes; nothing for a background without black.
    const std::optional<TimeCorner>& timeCorner() const { return shown().timeCorner; }
    // Whether the window can take the outline without every repaint of the clock slowing down.
    bool OutlineFits() const;

private:
    const BackgroundShape& shown() const { return multiple_ > 1 ? bigShape_ : shape_; }
    void EnlargeBackground();
    void EnlargeTimeStrip();

    // The pictures as loaded, and enlarged when the multiple is above 1.
    SkinDC back_;
    SkinDC time_;
    SkinDC bigBack_;
    SkinDC bigTime_;
    int multiple_ = 1;
    BackgroundShape bigShape_;
    BITMAP skinBitmap_{};  // SkinBitmap, the background's description
    BackgroundShape shape_;
    bool pixelsRead_ = false;
};
