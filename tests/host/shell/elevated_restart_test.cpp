// The hand-over of "管理者として再起動": who ends, what is told, and the new copy's single-instance rule.
#include <gtest/gtest.h>

#include "shell/elevated_restart.h"

namespace velura {
namespace {

TEST(ElevatedRestart, OnlyAStartedCopyEndsTheRunningOneAndOnlyAFailureIsTold) {
  EXPECT_TRUE(EndsRunningCopy({ElevatedStart::Started, 0}));
  EXPECT_FALSE(EndsRunningCopy({ElevatedStart::Cancelled, 1223}));
  EXPECT_FALSE(EndsRunningCopy({ElevatedStart::Failed, 2}));
  EXPECT_FALSE(ElevatedStartFailureText({ElevatedStart::Cancelled, 1223}, u"").has_value());
  EXPECT_FALSE(ElevatedStartFailureText({ElevatedStart::Started, 0}, u"").has_value());
  EXPECT_EQ(ElevatedStartFailureText({ElevatedStart::Failed, 2}, u""),
            u"管理者として再起動できませんでした\r\n\r\nエラー 2");
  EXPECT_EQ(ElevatedStartFailureText({ElevatedStart::Failed, 2}, u"指定されたファイルが見つかりません。"),
            u"管理者として再起動できませんでした\r\n\r\n指定されたファイルが見つかりません。");
}

TEST(ElevatedRestart, ANewCopyWaitsForAHandOverOnlyAndOnlyForAWhile) {
  EXPECT_EQ(DecideInstanceStep(false, false, false), InstanceStep::Run);
  EXPECT_EQ(DecideInstanceStep(false, true, true), InstanceStep::Run);
  EXPECT_EQ(DecideInstanceStep(true, false, false), InstanceStep::Refuse);  // a copy that stays
  EXPECT_EQ(DecideInstanceStep(true, true, false), InstanceStep::Wait);
  EXPECT_EQ(DecideInstanceStep(true, true, true), InstanceStep::Refuse);  // the old copy never closed
}

}  // namespace
}  // namespace velura
