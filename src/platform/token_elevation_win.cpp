#include "platform/token_elevation_win.h"

#include <windows.h>

#include <vector>

#include "platform/kernel_handles_win.h"

namespace velura {

namespace {

TokenElevationKind KindOf(TOKEN_ELEVATION_TYPE type) {
  switch (type) {
    case TokenElevationTypeDefault: return TokenElevationKind::Default;
    case TokenElevationTypeFull: return TokenElevationKind::Full;
    case TokenElevationTypeLimited: return TokenElevationKind::Limited;
  }
  return TokenElevationKind::Unknown;
}

bool AdministratorsDenyOnly(HANDLE token) {
  DWORD size = 0;
  GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
  if (size == 0) return false;
  std::vector<unsigned char> buffer(size);
  if (!GetTokenInformation(token, TokenGroups, buffer.data(), size, &size)) return false;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &administrators))
    return false;
  bool denyOnly = false;
  const auto& groups = *reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
  for (DWORD i = 0; i < groups.GroupCount; ++i)
    if (EqualSid(groups.Groups[i].Sid, administrators))
      denyOnly = (groups.Groups[i].Attributes & SE_GROUP_USE_FOR_DENY_ONLY) != 0;
  FreeSid(administrators);
  return denyOnly;
}

}  // namespace

TokenFacts ProcessTokenFacts() {
  TokenFacts facts;
  UniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive())) return facts;
  TOKEN_ELEVATION_TYPE type{};
  DWORD size = 0;
  if (GetTokenInformation(token.Get(), TokenElevationType, &type, sizeof type, &size)) facts.kind = KindOf(type);
  facts.administratorsDenyOnly = AdministratorsDenyOnly(token.Get());
  return facts;
}

}  // namespace velura
