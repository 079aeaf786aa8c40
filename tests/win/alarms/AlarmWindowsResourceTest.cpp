#include <gtest/gtest.h>

#include <cstdio>

#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

namespace {

TEST(AlarmWindows, OpeningAndClosingTwoHundredTimesLeavesNoObjectBehind) {
    struct Case {
        const char* name;
        void (*open)();
        int closeId;
    } const cases[] = {{"reminder", [] { ShowRemindText(nullptr); }, 1},
                       {"countdown", [] { ShowWinExit(nullptr); }, 2}};
    RecordingSeams recorder;
    for (const Case& c : cases) {
        const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        GdiObjectCounter counter;
        std::size_t whileOpen = 0;
        int closed = 0;
        for (int i = 0; i < 200; ++i)
            closed += DriveModal(c.open, [&](HWND dialog) {
                whileOpen = counter.Live();
                SendDlgItemMessageA(dialog, c.closeId, BM_CLICK, 0, 0);
            });
        EXPECT_EQ(closed, 200) << c.name;
        EXPECT_EQ(whileOpen, 2u) << c.name << ": the font and the icon";
        EXPECT_EQ(counter.Live(), 0u) << c.name;
        std::printf("%s x200: %zu of its objects left; GetGuiResources %lu -> %lu\n", c.name, counter.Live(), reported,
                    GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    }
    EXPECT_TRUE(recorder.calls().empty());
}

}  // namespace
