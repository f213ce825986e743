// Whether the process runs as a member of Administrators whose token does not carry the rights: under
// user account control such a user starts programs with a limited token, and starting the program again
// with elevation ("runas") would give them.
#pragma once

namespace velura {

// The token's elevation type (TOKEN_ELEVATION_TYPE): Default without a linked token, Full when elevated,
// Limited when filtered by user account control.
enum class TokenElevationKind { Unknown, Default, Full, Limited };

struct TokenFacts {
  TokenElevationKind kind = TokenElevationKind::Unknown;
  // The Administrators group is in the token only to deny access: a filtered token.
  bool administratorsDenyOnly = false;
};

// A limited token, or another filtered token that is not already the elevated one.
inline bool AdminWithoutElevation(const TokenFacts& facts) {
  if (facts.kind == TokenElevationKind::Limited) return true;
  return facts.kind != TokenElevationKind::Full && facts.administratorsDenyOnly;
}

}  // namespace velura
