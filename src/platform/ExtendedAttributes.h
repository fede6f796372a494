#pragma once
#include <string>

namespace qhe::platform {

// Gives the open file toFd exactly the extended attributes of the file from: ACLs, security
// labels, file capabilities, user attributes. Each one that from has is set where toFd's value
// differs, and each one that only toFd has is removed. Answers 0, or the errno of the first
// that could not be read, set or removed.
int CopyExtendedAttributes(const std::string& from, int toFd);

} // namespace qhe::platform
