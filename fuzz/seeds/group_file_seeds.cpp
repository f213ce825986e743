// Seeds for the group file reader: an empty store, nested groups with file and folder entries, a long
// path, stored true flags and item indexes.
#include "records/group_file.h"
#include "seed_registry.h"

namespace velura::fuzzing {
namespace {

SeedFiles GroupFileSeeds() {
  SeedFiles seeds;
  TGroupRootClass empty;
  seeds.emplace_back("empty.bin", WriteGroupFile(empty));

  TGroupRootClass root;
  TGroupItem& a = root.AddGroup(nullptr);
  a.GroupName = "\x83\x74\x83\x48\x83\x93\x83\x67";
  a.AddPath("C:\\F", true);
  a.AddPath("..\\fonts\\A.OTF", false);
  TGroupItem& child = a.AddChild();
  child.UseParent = child.NowOneTimeInst = true;
  child.AddPath(std::string(300, 'p'), false);
  root.AddGroup(nullptr);
  std::vector<std::uint8_t> tree = WriteGroupFile(root);
  seeds.emplace_back("tree.bin", tree);

  // The same with an item index before the first group.
  const std::size_t firstItem = 4 + 16 + 1 + 10 + 1;
  tree.insert(tree.begin() + firstItem, {0x03, 0x01, 0x00});
  seeds.emplace_back("indexed.bin", tree);
  return seeds;
}

const SeedRegistrar registrar("fuzz_group_file", GroupFileSeeds);

}  // namespace
}  // namespace velura::fuzzing
