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
    } const cases[] = {
        {"reminder", [] { ShowRemindText(nullptr); }, 1},
        {"countdown", [] { ShowWinExit(nullptr); }, 2},
    };
    RecordingSeams recorder;
    RemindText = "Leak check";
    for (const Case& c : cases) {
        const auto openAndClose = [&c] {
            return DriveModal(c.open, [&c](HWND dialog) { SendDlgItemMessageA(dialog, c.closeId, BM_CLICK, 0, 0); });
        };
        ASSERT_TRUE(openAndClose()) << c.name;  // whatever the platform caches on first use
        const DWORD gdiBefore = GdiObjectCounter::ReportedGdiObjects();
        const DWORD userBefore = GdiObjectCounter::ReportedUserObjects();
        GdiObjectCounter counter;
        std::size_t liveWhileOpen = 0;
        DriveModal(c.open, [&](HWND dialog) {
            liveWhileOpen = counter.Live();
            SendDlgItemMessageA(dialog, c.closeId, BM_CLICK, 0, 0);
        });
        EXPECT_EQ(liveWhileOpen, 2u) << c.name << ": the font and the icon are counted while open";
        int closed = 0;
        for (int i = 0; i < 200; ++i) closed += openAndClose();
        EXPECT_EQ(closed, 200) << c.name;
        EXPECT_EQ(counter.Live(), 0u) << c.name;
        EXPECT_EQ(GdiObjectCounter::ReportedGdiObjects(), gdiBefore) << c.name;
        EXPECT_EQ(GdiObjectCounter::ReportedUserObjects(), userBefore) << c.name;
        std::printf("%s x201: %zu objects left of our own (2 while open); reported GDI %lu -> %lu, USER %lu -> %lu\n",
                    c.name, counter.Live(), gdiBefore, GdiObjectCounter::ReportedGdiObjects(), userBefore,
                    GdiObjectCounter::ReportedUserObjects());
    }
    EXPECT_TRUE(recorder.calls().empty());
}

}  // namespace
