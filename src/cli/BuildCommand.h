#pragma once

class CQuarnDoc;

// Builds a new project from a JSON description and saves it; nothing is written when the
// description has an error. Returns the exit code.
int BuildProject(const char* jsonPath, const char* outPath, CQuarnDoc& doc);
