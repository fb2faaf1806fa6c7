#pragma once

class CQuarnDoc;

// Builds a new project from a JSON description and saves it; nothing is written when the
// description has an error. A building description (an object with "spaces") writes one
// project per space into the folder outPath and prints the block load summary. Returns the
// exit code.
int BuildProject(const char* jsonPath, const char* outPath, CQuarnDoc& doc);
