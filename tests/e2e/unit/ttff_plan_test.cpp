#include "ttff_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<Micros> take(TtffPlan& plan, StartKind kind, int count) {
    std::vector<Micros> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(plan.next(kind).value_or(-1));
    }
    return values;
}

TEST(TtffPlan, ListsAreUsedInOrderTheirLastValueRepeating) {
    TtffPlan plan;
    for (StartKind kind : allStartKinds) {
        EXPECT_FALSE(plan.times(kind)) << "nothing planned: the stream decides";
    }
    ASSERT_EQ(plan.setList("cold=31.2,28.9,35.0"), 1);
    ASSERT_EQ(plan.setList("hot=1.1"), 1);
    ASSERT_EQ(plan.setList("factory=3600,.5,0"), 1);
    EXPECT_EQ(take(plan, StartKind::cold, 5),
              (std::vector<Micros>{31'200'000, 28'900'000, 35'000'000, 35'000'000, 35'000'000}));
    EXPECT_EQ(take(plan, StartKind::hot, 2), (std::vector<Micros>{1'100'000, 1'100'000}));
    EXPECT_EQ(take(plan, StartKind::factory, 3), (std::vector<Micros>{3'600'000'000, 500'000, 0}));
    EXPECT_FALSE(plan.times(StartKind::warm));
    ASSERT_EQ(plan.setList("cold=2"), 1);  // a later list replaces the earlier one
    EXPECT_EQ(plan.next(StartKind::cold), 2'000'000);

    for (const char* wrong :
         {"cold", "cold=", "=1", "tepid=1", "Cold=1", "cold=1,,2", "cold=1,", "cold=-1", "cold=1e3",
          "cold=3600.001", "cold=1.2.3", "cold=.", "cold=one", "cold= 1"}) {
        TtffPlan untouched;
        EXPECT_EQ(untouched.setList(wrong), 0) << wrong;
        EXPECT_FALSE(untouched.times(StartKind::cold)) << wrong;
    }
}

TEST(TtffPlan, ASeedDrawsAroundTheTypicalTimeAndNeverFixWinsOverAll) {
    TtffPlan first, again, other;
    first.useSeed(7);
    again.useSeed(7);
    other.useSeed(8);
    for (StartKind kind : allStartKinds) {
        EXPECT_TRUE(first.times(kind));
        const std::vector<Micros> drawn = take(first, kind, 400);
        EXPECT_EQ(drawn, take(again, kind, 400)) << "the same seed, the same times";
        EXPECT_NE(drawn, take(other, kind, 400));
        const Micros typical = TtffPlan::typicalTtff(kind);
        double sum = 0;
        for (Micros value : drawn) {
            EXPECT_GE(value, typical / 4);
            EXPECT_LE(value, typical * 4);
            EXPECT_EQ(value % 1000, 0) << "whole milliseconds";
            sum += static_cast<double>(value);
        }
        EXPECT_NEAR(sum / 400, static_cast<double>(typical), 0.05 * static_cast<double>(typical));
    }
    ASSERT_EQ(first.setList("warm=12"), 1);
    EXPECT_EQ(first.next(StartKind::warm), 12'000'000) << "a list before the draws";

    first.neverFix();
    for (StartKind kind : allStartKinds) {
        EXPECT_TRUE(first.times(kind));
        EXPECT_EQ(first.next(kind), std::nullopt);
    }
}

}  // namespace
