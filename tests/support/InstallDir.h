#pragma once

#include <functional>
#include <string>

#include "support/TestSupport.h"

// Points the installation folder at a temporary folder for a test's lifetime, where the test
// writes the small reference data files it needs, so that a test pins a formula, not a table.
class CScopedInstallDir {
  public:
    CScopedInstallDir();
    ~CScopedInstallDir();
    CScopedInstallDir(const CScopedInstallDir&) = delete;
    CScopedInstallDir& operator=(const CScopedInstallDir&) = delete;

    // Writes qlexNN.dat in its exact shape with cell [r][c] = cell(r, c).
    void WriteTable(int number, const std::function<double(int r, int c)>& cell) const;
    // Writes qlexNN.dat with raw bytes (damaged files).
    void WriteBytes(int number, const std::vector<uint8_t>& bytes) const;
    void Remove(int number) const;
    std::string Path() const { return m_dir.Path().string() + "/"; }

  private:
    CTempDir m_dir;
    std::string m_previous;
};
