#pragma once
#include <string>

#include "files/status.h"
#include "platform/file_system.h"

namespace wg {

// The status of a replacement of `files` files: 0 when every one landed,
// else why the first that did not failed ('o' when nothing tells more).
Status writeStatus(const Replacement& replacement, std::size_t files);

// What the user is told when `fileName` could not be written: which file,
// why, and that an earlier file of that name is as it was (or, for a file
// held open, where the new content was kept). The caller adds what to do.
std::string writeFailureText(const std::string& fileName, Status status);

} // namespace wg
