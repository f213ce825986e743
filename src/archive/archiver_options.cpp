#include "archive/archiver_options.h"

namespace velura {

#define VELURA_SWITCH(name) {u## #name, &TArchiverOptions::name}

std::span<const NumericSwitch> NumericSwitches() {
  static const NumericSwitch kSwitches[] = {
      VELURA_SWITCH(a),   VELURA_SWITCH(c),   VELURA_SWITCH(e),   VELURA_SWITCH(f),   VELURA_SWITCH(h),
      VELURA_SWITCH(i),   VELURA_SWITCH(l),   VELURA_SWITCH(m),   VELURA_SWITCH(n),   VELURA_SWITCH(o),
      VELURA_SWITCH(p),   VELURA_SWITCH(r),   VELURA_SWITCH(s),   VELURA_SWITCH(t),   VELURA_SWITCH(u),
      VELURA_SWITCH(x),   VELURA_SWITCH(y),   VELURA_SWITCH(z),   VELURA_SWITCH(jc),  VELURA_SWITCH(jd),
      VELURA_SWITCH(je),  VELURA_SWITCH(jf),  VELURA_SWITCH(jh),  VELURA_SWITCH(ji),  VELURA_SWITCH(jm),
      VELURA_SWITCH(jn),  VELURA_SWITCH(jp),  VELURA_SWITCH(jr),  VELURA_SWITCH(jsb), VELURA_SWITCH(jsc),
      VELURA_SWITCH(jsd), VELURA_SWITCH(jse), VELURA_SWITCH(jsf), VELURA_SWITCH(jsl), VELURA_SWITCH(jso),
      VELURA_SWITCH(jss), VELURA_SWITCH(jst), VELURA_SWITCH(jsv), VELURA_SWITCH(jsz), VELURA_SWITCH(jw),
      VELURA_SWITCH(jyc), VELURA_SWITCH(jyd), VELURA_SWITCH(jyk), VELURA_SWITCH(jyn), VELURA_SWITCH(jyo),
      VELURA_SWITCH(ga),  VELURA_SWITCH(gd),  VELURA_SWITCH(ge),  VELURA_SWITCH(gf),  VELURA_SWITCH(gj),
      VELURA_SWITCH(gm),  VELURA_SWITCH(gn),  VELURA_SWITCH(go),  VELURA_SWITCH(gp),  VELURA_SWITCH(gs),
      VELURA_SWITCH(gu),  VELURA_SWITCH(gw),  VELURA_SWITCH(gya), VELURA_SWITCH(gyc), VELURA_SWITCH(gyo),
      VELURA_SWITCH(gyq), VELURA_SWITCH(gys), VELURA_SWITCH(gyx),
  };
  return kSwitches;
}

std::span<const StringSwitch> StringSwitches() {
  static const StringSwitch kSwitches[] = {
      VELURA_SWITCH(w),  VELURA_SWITCH(jo),  VELURA_SWITCH(job), VELURA_SWITCH(jz),  VELURA_SWITCH(gr),
      VELURA_SWITCH(gyd), VELURA_SWITCH(gye), VELURA_SWITCH(gyt), VELURA_SWITCH(gyw),
  };
  return kSwitches;
}

#undef VELURA_SWITCH

}  // namespace velura
