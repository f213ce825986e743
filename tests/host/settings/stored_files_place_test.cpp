// Where the stored files are kept: beside the executable while it takes writes, else the user's folder.
#include "platform/stored_files_place.h"

#include <gtest/gtest.h>

namespace velura {
namespace {

TEST(StoredFilesPlace, AWritableProgramFolderKeepsThemWhetherOrNotItHoldsThem) {
  for (bool holds : {false, true}) {
    const StoredFilesPlan plan = PlanStoredFiles({.programFolderWritable = true,
                                                  .programFolderHoldsFiles = holds,
                                                  .userFolderKnown = true,
                                                  .userFolderExists = true});
    EXPECT_FALSE(plan.useUserFolder || plan.createUserFolder || plan.copyProgramFiles || plan.tellUser);
  }
}

TEST(StoredFilesPlace, AProtectedProgramFolderSendsThemToTheUserFolderAndSaysSoOnce) {
  const StoredFilesPlan first = PlanStoredFiles({.userFolderKnown = true});
  EXPECT_TRUE(first.useUserFolder && first.createUserFolder && first.tellUser);
  EXPECT_FALSE(first.copyProgramFiles);  // nothing to carry over
  const StoredFilesPlan later = PlanStoredFiles({.userFolderKnown = true, .userFolderExists = true});
  EXPECT_TRUE(later.useUserFolder);
  EXPECT_FALSE(later.createUserFolder || later.tellUser || later.copyProgramFiles);
}

TEST(StoredFilesPlace, FilesLeftInAProtectedProgramFolderAreCarriedOverTheFirstTimeOnly) {
  EXPECT_TRUE(PlanStoredFiles({.programFolderHoldsFiles = true, .userFolderKnown = true}).copyProgramFiles);
  EXPECT_FALSE(PlanStoredFiles({.programFolderHoldsFiles = true, .userFolderKnown = true, .userFolderExists = true})
                   .copyProgramFiles);
}

TEST(StoredFilesPlace, WithoutAUserFolderTheProgramFolderIsStillRead) {
  const StoredFilesPlan plan = PlanStoredFiles({.programFolderHoldsFiles = true});
  EXPECT_FALSE(plan.useUserFolder || plan.createUserFolder || plan.tellUser);
}

TEST(StoredFilesPlace, TheNoteNamesTheFolder) {
  EXPECT_NE(StoredFilesMovedNote(u"C:\\Users\\a\\AppData\\Roaming\\VELURA\\").find(u"Roaming\\VELURA\\"),
            std::u16string::npos);
}

}  // namespace
}  // namespace velura
