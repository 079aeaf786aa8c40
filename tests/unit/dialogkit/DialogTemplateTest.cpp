#include <gtest/gtest.h>

#include <cstdint>

#include "dialogkit/DialogTemplate.h"

namespace {

// The platform reads the template in place: DWORD-aligned, the style little-endian first, and after it zeros
// only (no extended style, no controls, an empty menu, class and title), or it would look for controls or
// names that are not there.
TEST(DialogTemplate, PopupWithCaptionAndNothingElseInPlatformByteOrder) {
    const DialogTemplateBytes empty = EmptyDialogTemplate();
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(empty.bytes.data()) % 4, 0u);
    const std::uint8_t style[] = {0x80, 0x00, 0xC8, 0x80};  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
    for (std::size_t i = 0; i < empty.bytes.size(); ++i)
        EXPECT_EQ(empty.bytes[i], i < 4 ? style[i] : 0) << "byte " << i;
}

}  // namespace
