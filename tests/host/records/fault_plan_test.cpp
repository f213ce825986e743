// The fault-injecting layer itself: one count across files, fonts and registry, and the chosen call failing
// the way the real one does.
#include <gtest/gtest.h>

#include "fault_sweep.h"
#include "record_world.h"
#include "records/reg_font_data.h"

namespace velura::testing {
namespace {

TEST(FaultPlan, CountsFileFontAndRegistryCallsInOneSequenceAndFailsTheChosenOne) {
  RecordWorld w;
  w.files.Put(u"C:\\fonts\\a.ttf", Bytes(8, 1));
  FaultPlan plan;
  w.files.faults = &plan;
  w.fonts.faults = &plan;
  w.registry.faults = &plan;
  plan.armed = true;
  plan.failAt = 3;

  EXPECT_TRUE(w.files.Copy(u"C:\\fonts\\a.ttf", kFontsFolder + u"\\a.ttf", true));
  EXPECT_EQ(w.fonts.AddResource(kFontsFolder + u"\\a.ttf"), 0);  // unknown family: no font, not a fault
  EXPECT_THROW(w.registryData->WriteFontValue(u"A (TrueType)", u"A.TTF"), UserError);  // the key's opening
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"A (TrueType)"));
  w.fonts.BroadcastFontChange();
  EXPECT_EQ(w.fonts.broadcasts, 1);

  ASSERT_TRUE(plan.failed.has_value());
  EXPECT_EQ(plan.failed->kind, CallKind::KeyOpenForWrite);
  EXPECT_EQ(plan.Count(), 4);
}

TEST(FaultPlan, FailedCallsLeaveTheModelAsItWas) {
  RecordWorld w;
  const std::u16string file = kFontsFolder + u"\\a.ttf";
  w.files.Put(file, Bytes(8, 1));
  w.registry.AddFont(u"A (TrueType)", u"A.TTF");
  w.fonts.registered.insert(LowerAscii(file));
  FaultPlan plan;
  w.files.faults = &plan;
  w.fonts.faults = &plan;
  w.registry.faults = &plan;
  plan.armed = true;

  const auto failNext = [&] { plan.failAt = plan.Count() + 1; };
  failNext();
  EXPECT_FALSE(w.files.Delete(file));
  failNext();
  EXPECT_FALSE(w.files.Copy(file, u"D:\\a.ttf", false));
  failNext();
  EXPECT_FALSE(w.fonts.RemoveResource(file));
  failNext();
  w.fonts.BroadcastFontChange();
  const auto key = w.registry.OpenKey(RegRoot::LocalMachine, kFontsPath, RegAccess::Full);
  ASSERT_TRUE(key);
  failNext();
  EXPECT_FALSE(key->DeleteValue(u"A (TrueType)"));
  failNext();
  EXPECT_FALSE(key->WriteString(u"B (TrueType)", u"B.TTF"));

  EXPECT_TRUE(w.files.Has(file));
  EXPECT_FALSE(w.files.Has(u"D:\\a.ttf"));
  EXPECT_EQ(w.fonts.registered.count(LowerAscii(file)), 1u);
  EXPECT_EQ(w.fonts.broadcasts, 0);
  EXPECT_TRUE(w.registry.HasValue(kFontsPath, u"A (TrueType)"));
  EXPECT_FALSE(w.registry.HasValue(kFontsPath, u"B (TrueType)"));
}

TEST(FaultPlan, ReadsAreCountedOnlyWhenAsked) {
  RecordWorld w;
  w.files.Put(u"C:\\fonts\\a.ttf", Bytes(8, 1));
  FaultPlan plan;
  w.files.faults = &plan;
  plan.armed = true;
  plan.failAt = 1;
  EXPECT_TRUE(w.files.OpenForReading(u"C:\\fonts\\a.ttf"));
  EXPECT_EQ(plan.Count(), 0);
  plan.faultReads = true;
  EXPECT_FALSE(w.files.OpenForReading(u"C:\\fonts\\a.ttf"));
}

// A save ended between its temporary write and the rename leaves the old file and the temporary beside it.
TEST(FaultPlan, ProcessEndedDuringAReplacingWriteKeepsTheOldFile) {
  RecordWorld w;
  w.files.Put(u"C:\\prog\\list.bin", Bytes{1, 2, 3});
  FaultPlan plan;
  w.files.faults = &plan;
  plan.armed = true;
  plan.failAt = 1;
  plan.killInstead = true;
  EXPECT_THROW(w.files.WriteReplacing(u"C:\\prog\\list.bin", Bytes{9, 9}), ProcessKilled);
  EXPECT_EQ(w.files.BytesOf(u"C:\\prog\\list.bin"), (Bytes{1, 2, 3}));
  EXPECT_EQ(w.files.BytesOf(u"C:\\prog\\list.bin.tmp"), (Bytes{9, 9}));
}

}  // namespace
}  // namespace velura::testing
