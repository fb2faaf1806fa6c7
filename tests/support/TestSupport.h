#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "document/QuarnDocData.h"
#include "messages/UserMessages.h"

// Records every message so tests can check what the user was told.
class CRecordingMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ReportFileError(const std::string& path, const std::string& cause) override {
        fileErrors.push_back(path + ": " + cause);
    }
    void Clear() {
        messages.clear();
        fileErrors.clear();
    }

    std::vector<std::string> messages;
    std::vector<std::string> fileErrors;
};

// A fresh empty folder for one test, removed afterwards.
class CTempDir {
  public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

  private:
    std::filesystem::path m_path;
};

// Points the per-user configuration folder at a temporary folder for the test's lifetime.
class CScopedConfigHome {
  public:
    CScopedConfigHome();
    ~CScopedConfigHome();
    std::string OptionsPath() const;
    void WriteOptions(const std::vector<uint8_t>& bytes) const;

  private:
    CTempDir m_dir;
    std::string m_previous;
};

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Gives every member that the project file holds a distinct non-default value, and puts
// windows in some of the lists. Written member by member, independently of the file code.
void FillDistinct(CQuarnDocData& d);

// FillDistinct, then every integer the loader range-checks set to a value of its range, still
// varied from field to field: a project a file may hold and the loader accepts.
void FillDistinctLoadable(CQuarnDocData& d);
