#pragma once

#include "editor/script/CommandLine.h"

namespace qhe {

// A script run without a display: no window and no Qt. SIGINT and SIGTERM stop the run
// without writing the file (or, during an in-place save, once the file is whole). Answers the
// program's exit status.
int RunScriptWithoutDisplay(const CommandLine& line);

} // namespace qhe
