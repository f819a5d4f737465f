#pragma once

// The language the texts are shown in: a Windows language identifier, 1033 (English) at every
// start; the settings page changes it for the rest of the run.
constexpr int kDefaultLanguageId = 1033;

int GetLanguageId();
void SetLanguageId(int id);
