#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so a failed write never destroys the previous file. A symbolic link is followed: the link
// stays and the file it names is replaced. An existing file keeps its permissions and, where the
// process may set it, its owner; a new file gets the mode of any newly created file. On failure
// returns false with the cause and leaves the target as it was.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& cause);

// Reads a whole file of at most maxBytes. On failure returns false with the cause.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& cause);

// The steps of WriteFileAtomically at which a test can make it fail.
enum class AtomicWriteStep { kWrite, kSync, kRename };

// Test seam only: while set, the hook is asked before each step and a non-zero errno value it
// returns makes that step fail with that error. Pass nullptr to remove it.
using AtomicWriteFaultHook = int (*)(AtomicWriteStep step);
void SetAtomicWriteFaultHook(AtomicWriteFaultHook hook);
