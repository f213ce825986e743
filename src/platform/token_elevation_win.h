// The process token's elevation facts, read from Windows.
#pragma once
#include "platform/token_elevation.h"

namespace velura {

// Unknown kind and no deny-only group when the token cannot be read (Windows before Vista).
TokenFacts ProcessTokenFacts();

}  // namespace velura
