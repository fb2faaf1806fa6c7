#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so a failed write never destroys the previous file. On failure returns false with the cause.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& cause);

// Reads a whole file of at most maxBytes. On failure returns false with the cause.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& cause);
