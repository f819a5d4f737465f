#include "app/core/Language.h"

namespace {
// Read and written on the user-interface thread only.
int g_languageId = kDefaultLanguageId;
} // namespace

int GetLanguageId() { return g_languageId; }

void SetLanguageId(int id) { g_languageId = id; }
