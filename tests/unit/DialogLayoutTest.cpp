#include <gtest/gtest.h>

#include "dialogkit/DialogCentre.h"
#include "dialogkit/DialogTemplate.h"

namespace {

TEST(DialogLayout, EmptyModalTemplateAndCentringRoundsHalvesToEven) {
    const DialogTemplateBytes expected{
        {0x80, 0x00, 0xC8, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(EmptyDialogTemplate().bytes, expected.bytes);
    EXPECT_EQ(alignof(DialogTemplateBytes), 4u);
    const std::tuple<int, int, int> cases[] = {{1024, 265, 380}, {1024, 275, 374}, {768, 138, 315},
                                               {200, 203, -2},   {200, 201, 0},    {1024, 1024, 0}};
    for (const auto& [extent, size, origin] : cases)
        EXPECT_EQ(CentredOrigin(extent, size), origin) << size << " on " << extent;
}

}  // namespace
