#pragma once
#include <functional>

namespace qhe {

// Shows the help topic of a context number; dialogs call it from their help buttons.
using HelpHandler = std::function<void(int helpContext)>;

} // namespace qhe
