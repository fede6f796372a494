#include "editor/tools/HashFiles.h"

#include "core/document/FileTransfer.h"
#include "editor/file/FileCommands.h"
#include "platform/FileIO.h"
#include "platform/FileMapping.h"

#include <algorithm>

namespace qhe {

int HashFilesToDescriptor(const CommandLine& line, int out, std::string& errors) {
    int status = 0;
    for (const std::string& name : line.files) {
        platform::FileMapping file;
        if (const int code = file.Open(name, false); code != 0) {
            errors += "qhe32: " + FileErrorMessage(kErrOpen, code, name) + "\n";
            status = 2;
            continue;
        }
        MultiHasher hasher(line.hashes);
        // The mapping in steps, so that pages already hashed can be dropped from it.
        constexpr int64_t kStep = int64_t{64} << 20;
        for (int64_t at = 0; at < file.Size(); at += kStep)
            hasher.Update(file.Data() + at, static_cast<size_t>(std::min(kStep, file.Size() - at)));
        if (file.ReadFaults() > 0) {
            errors += "qhe32: " + FileErrorMessage(kErrOpen, 30, name) + "\n"; // 30: read fault
            status = 2;
            continue;
        }
        std::string text;
        for (const std::string& digest : hasher.Finish())
            text += digest + "  " + name + "\n";
        if (const int code = platform::WriteFully(out, reinterpret_cast<const uint8_t*>(text.data()),
                                                  static_cast<int64_t>(text.size()));
            code != 0)
            return 2;
    }
    return status;
}

} // namespace qhe
