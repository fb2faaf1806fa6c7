#include "document/Options.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "archive/AtomicFile.h"
#include "document/QuarnDoc.h"
#include "paths/ConfigDir.h"

namespace {
constexpr size_t kOptionsFileSize = kOptionCount * 4;
}

std::string GetOptionsFilePath() { return GetConfigDir() + kOptionsFileName; }

void ReadOptionsFile(int (&values)[kOptionCount], IUserMessages& messages) {
    const std::string path = GetOptionsFilePath();
    std::vector<uint8_t> bytes;
    std::string cause;
    // Anything past 16 bytes is not ours; read a little more only to tell a short file.
    if (!ReadWholeFile(path, 4096, bytes, cause)) {
        messages.ReportFileError(path, cause);
        messages.ShowMessage("Default options settings will be used.");
        for (int& v : values) v = 0;
        return;
    }
    const size_t whole = std::min(bytes.size(), kOptionsFileSize) / 4;
    for (size_t i = 0; i < whole; ++i) {
        uint32_t v = 0;
        for (int b = 0; b < 4; ++b) v |= static_cast<uint32_t>(bytes[i * 4 + b]) << (8 * b);
        values[i] = static_cast<int32_t>(v);
    }
    if (bytes.size() < kOptionsFileSize) {
        messages.ReportFileError(path, "the file is shorter than 16 bytes");
    }
}

bool WriteOptionsFile(const int (&values)[kOptionCount], IUserMessages& messages) {
    const std::string path = GetOptionsFilePath();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::vector<uint8_t> bytes;
    for (int value : values) {
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * b)));
    }
    std::string cause;
    if (!WriteFileAtomically(path, bytes, cause)) {
        messages.ReportFileError(path, cause);
        return false;
    }
    return true;
}

void CQuarnDoc::LoadOptions() {
    int values[kOptionCount] = {m_nInputUnits, m_nOutputUnits, m_nDisplaySize, m_nFontSize};
    ReadOptionsFile(values, Messages());
    m_nInputUnits = values[0];
    m_nOutputUnits = values[1];
    m_nDisplaySize = values[2];
    m_nFontSize = values[3];
}
