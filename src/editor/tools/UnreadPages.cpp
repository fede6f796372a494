#include "editor/tools/UnreadPages.h"

#include "core/text/Format.h"

namespace qhe {

std::string UnreadPages::Text(const OwnText& text, int64_t pages) const {
    return Format(text, {FileNameOnly(doc_.FileName), pages});
}

} // namespace qhe
