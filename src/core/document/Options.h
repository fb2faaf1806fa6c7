#pragma once

#include <string>

#include "messages/UserMessages.h"

// The four options new projects start with: input units, output units, display size, font
// size, in that order (0 English / Large, 1 Metric / Small). Stored as 16 bytes, four
// little-endian 32-bit integers; other values are kept as they are.
inline constexpr int kOptionCount = 4;
inline constexpr const char* kOptionsFileName = "Options.cfg";

std::string GetOptionsFilePath();

// Reads the options file into values. A file that cannot be opened is reported, followed by
// "Default options settings will be used.", and all four values become 0. A file shorter than
// 16 bytes is reported; the values read before its end are taken, the others stay.
void ReadOptionsFile(int (&values)[kOptionCount], IUserMessages& messages);

// Creates or replaces the options file (creating its folder). A failure is reported.
bool WriteOptionsFile(const int (&values)[kOptionCount], IUserMessages& messages);
