#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/QuarnDoc.h"

// The ".Spc" project file: the whole document, results included, so a loaded project shows
// exactly what was saved without recalculating. Version 40 is written; 10 and 27 are read too.
inline constexpr int kProjectFileVersion = 40;

// The file's bytes. Versions 10 and 27 (short options row) exist for reading old files; the
// program itself always writes kProjectFileVersion.
std::vector<uint8_t> SerializeProject(const CQuarnDocData& doc, int version = kProjectFileVersion);

enum class LoadStatus {
    kLoaded,        // the document now holds the file
    kNewerVersion,  // unknown version: the user was told, the document is a new project
    kFailed,        // unreadable or damaged: reported, the document is unchanged
};

// Loads from memory; path only names the file in messages. Nothing is recalculated.
LoadStatus LoadProjectBytes(CQuarnDoc& doc, const uint8_t* data, size_t size,
                            const std::string& path);

// Loads a file; on success the document takes its path and is unmodified.
LoadStatus LoadProject(CQuarnDoc& doc, const std::string& path);

// Saves atomically as version 40; on success the document takes the path and is unmodified.
// A failure is reported and leaves any previous file intact.
bool SaveProject(CQuarnDoc& doc, const std::string& path);
