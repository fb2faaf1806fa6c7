#include "BuildCommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "archive/AtomicFile.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "input/ProjectDescription.h"

int BuildProject(const char* jsonPath, const char* outPath, CQuarnDoc& doc) {
    std::vector<uint8_t> bytes;
    std::string cause;
    if (!ReadWholeFile(jsonPath, 16u << 20, bytes, cause)) {
        std::fprintf(stderr, "%s: %s\n", jsonPath, cause.c_str());
        return 1;
    }
    const nlohmann::json description =
        nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (description.is_discarded()) {
        std::fprintf(stderr, "%s: not valid JSON\n", jsonPath);
        return 1;
    }
    doc.OnNewDocument();
    if (const auto error = ApplyProjectDescription(doc, description)) {
        std::fprintf(stderr, "%s: %s\n", jsonPath, error->c_str());
        return 1;
    }
    return SaveProject(doc, outPath) ? 0 : 1;
}
