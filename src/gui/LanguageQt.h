#pragma once
#include "core/text/Language.h"

namespace qhe {

// The language of this run: the Language setting, and the locale when it is "auto".
UiLanguage LanguageOfThisRun();

// The program's own texts in the language, from the embedded translation file. They reach the
// engine's lookup at once, so the command line speaks the language without an application.
void LoadProgramTexts(UiLanguage language);

// Once the application exists: the windows' texts (tr) and Qt's own dialogs and buttons follow.
void InstallApplicationTexts(UiLanguage language);

} // namespace qhe
