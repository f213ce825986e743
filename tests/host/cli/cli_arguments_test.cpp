#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

namespace velura {
namespace {

TEST(CliArguments, OptionsAnywhereAndAfterDoubleDash) {
  const CliParse parse = ParseCliArguments(
      {u"install", u"a.ttf", u"--user", u"--upgrade", u"--log", u"out.log", u"--", u"--odd-name.ttf"});
  ASSERT_TRUE(parse.Arguments) << std::string(parse.Error.begin(), parse.Error.end());
  const CliArguments& args = *parse.Arguments;
  EXPECT_EQ(args.Command, CliCommand::Install);
  EXPECT_EQ(args.Scope, CliScope::User);
  EXPECT_TRUE(args.Upgrade);
  EXPECT_FALSE(args.DryRun);
  EXPECT_EQ(args.LogFile, u"out.log");
  EXPECT_EQ(args.Operands, (std::vector<std::u16string>{u"a.ttf", u"--odd-name.ttf"}));
}

TEST(CliArguments, UsageErrors) {
  const std::vector<std::vector<std::u16string>> refused = {
      {},                                        // no command
      {u"remove", u"x"},                         // unknown command
      {u"install"},                              // nothing to install
      {u"install", u"--user", u"--machine", u"a.ttf"},  // two scopes
      {u"uninstall", u"--upgrade", u"x"},        // an option of another command
      {u"list", u"extra"},                       // operands where none are taken
      {u"info", u"a.ttf", u"--log"},             // --log without its file
      {u"verify", u"--all"},
  };
  for (const auto& words : refused) EXPECT_FALSE(ParseCliArguments(words).Arguments) << words.size();
}

}  // namespace
}  // namespace velura
