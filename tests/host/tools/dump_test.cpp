// velura-dump: one JSON line per face, and a failure status with one stderr line for an unreadable file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/sfnt_writer.h"

namespace velura::testing {
namespace {

struct Output {
  int status = -1;
  std::string text;
};

Output RunDump(const std::string& arguments) {
  const std::string command = std::string(VELURA_DUMP_PATH) + " " + arguments + " 2>&1";
  Output out;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer;
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.text.append(buffer.data(), n);
  const int raw = pclose(pipe);
  out.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

TEST(VeluraDump, FacesAsJsonLinesAndFailuresOnStderr) {
  const auto folder = std::filesystem::temp_directory_path() / "velura_dump_test";
  std::filesystem::create_directories(folder);
  const std::string ttc = (folder / "two.ttc").string();
  WriteFile(ttc, Collection({SfntBuilder::Standard(BasicNames(u"Alpha \"Q\"")),
                             SfntBuilder::Standard(BasicNames(u"ベータ", u"Italic"))}));
  const std::string junk = (folder / "junk.ttf").string();
  WriteFile(junk, Bytes(64, 0x41));

  const Output good = RunDump(ttc);
  EXPECT_EQ(good.status, 0);
  EXPECT_NE(good.text.find("\"face\":0,\"Tags\":[\"OS/2\",\"cmap\""), std::string::npos) << good.text;
  EXPECT_NE(good.text.find("\"FamilyName\":\"Alpha \\\"Q\\\"\""), std::string::npos);
  EXPECT_NE(good.text.find("\"face\":1"), std::string::npos);
  EXPECT_NE(good.text.find("\"FullName\":\"ベータ Italic\""), std::string::npos);
  EXPECT_NE(good.text.find("\"SlantPosition\":1"), std::string::npos);

  const Output bad = RunDump(junk + " " + ttc);
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.text.find("velura-dump: " + junk + ": "), std::string::npos);
  EXPECT_NE(bad.text.find("\"face\":1"), std::string::npos);  // the other files are still dumped
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velura::testing
