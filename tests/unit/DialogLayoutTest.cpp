#include <gtest/gtest.h>

#include <tuple>

#include "dialogkit/DayOffset.h"
#include "dialogkit/DialogCentre.h"
#include "dialogkit/DialogTemplate.h"

namespace {

TEST(DialogTemplate, IsAnEmptyModalPopupWithCaptionAndSystemMenu) {
    const DialogTemplateBytes expected{
        {0x80, 0x00, 0xC8, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(EmptyDialogTemplate().bytes, expected.bytes);
    EXPECT_EQ(alignof(DialogTemplateBytes), 4u);
}

TEST(DialogCentre, RoundsExactHalvesToEven) {
    struct Case {
        int extent, size, origin;
    } const cases[] = {
        {1024, 265, 380},                                                                     // 379.5
        {1024, 275, 374},                                                                     // 374.5
        {1024, 268, 378}, {768, 128, 320}, {768, 138, 315}, {1024, 1024, 0}, {200, 203, -2},  // -1.5
        {200, 201, 0},                                                                        // -0.5
        {200, 204, -2},
    };
    for (const Case& c : cases) EXPECT_EQ(CentredOrigin(c.extent, c.size), c.origin) << c.size << " on " << c.extent;
}

TEST(DayOffset, CrossesMonthYearAndLeapDay) {
    struct Case {
        CivilDate from;
        int days;
        CivilDate to;
    } const cases[] = {
        {{2027, 1, 1}, -1, {2026, 12, 31}}, {{2024, 2, 28}, 1, {2024, 2, 29}},   {{2023, 3, 1}, -1, {2023, 2, 28}},
        {{2026, 12, 6}, 0, {2026, 12, 6}},  {{2026, 12, 31}, 366, {2028, 1, 1}},
    };
    for (const Case& c : cases) {
        const CivilDate got = AddDays(c.from, c.days);
        EXPECT_EQ(std::tie(got.year, got.month, got.day), std::tie(c.to.year, c.to.month, c.to.day))
            << c.from.year << "-" << c.from.month << "-" << c.from.day << " + " << c.days;
    }
}

}  // namespace
