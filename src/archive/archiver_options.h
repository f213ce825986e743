// The switches of an archiver command, as published properties with their defaults. The order of the
// tables below is the declaration order, in which the LHA-style builder emits switches.
#pragma once
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace velura {

enum TPackFilter : std::uint8_t { pfArchiver, pfComponent };
enum TResFileUse : std::uint8_t { ruOnPack, ruOnUnpack, ruOnRemoveItem, ruOnUpdate };

struct TArchiverOptions {
  // Numeric switches: -1 means "not given".
  std::int8_t a = -1, c = -1, e = -1, f = -1, h = -1, i = -1, l = -1, m = -1, n = -1, o = -1, p = -1, r = -1,
              s = -1, t = -1, u = -1, x = -1, y = -1, z = -1;
  std::int8_t jc = -1, jd = -1, je = -1, jf = -1, jh = -1, ji = -1, jm = -1, jn = -1, jp = -1, jr = -1;
  std::int8_t jsb = -1, jsc = -1, jsd = -1, jse = -1, jsf = -1, jsl = -1, jso = -1, jss = -1, jst = -1,
              jsv = -1, jsz = -1;
  std::int8_t jw = -1, jyc = -1, jyd = -1, jyk = -1, jyn = -1, jyo = -1;
  std::int8_t ga = -1, gd = -1, ge = -1, gf = -1, gj = -1, gm = -1, gn = -1, go = -1, gp = -1, gs = -1, gu = -1,
              gw = -1;
  std::int8_t gya = -1, gyc = -1, gyo = -1, gyq = -1, gys = -1, gyx = -1;
  // String switches: empty means "not given". w is the working / destination folder.
  std::u16string w, jo, job, jz, gr, gyd, gye, gyt, gyw;
  std::vector<std::u16string> jx;
  std::u16string UserOptions;   // appended verbatim after the switches
  std::u16string UserFileList;  // appended verbatim after the file list
  TPackFilter PackFilter = pfComponent;
  std::u16string ResFileName;
  std::set<TResFileUse> ResFileUsage{ruOnPack, ruOnUnpack, ruOnRemoveItem};
  bool IncludeExtraStreams = true;
  std::u16string StreamSeparator = u";#";
};

struct NumericSwitch {
  const char16_t* name;
  std::int8_t TArchiverOptions::*field;
};
struct StringSwitch {
  const char16_t* name;
  std::u16string TArchiverOptions::*field;
};

// In declaration order.
std::span<const NumericSwitch> NumericSwitches();
std::span<const StringSwitch> StringSwitches();

}  // namespace velura
