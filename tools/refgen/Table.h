#pragma once

// A reference table (rows x columns of numbers, row 0 and column 0 labels) and its CSV text.

#include <string>
#include <vector>

namespace refgen {

class Table {
  public:
    // Whole-number tables print integers; the others print each value's shortest exact form.
    enum class Format { kWhole, kExact };

    Table(int rows, int cols, Format format);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    double& At(int row, int col) { return values_.at(static_cast<size_t>(row * cols_ + col)); }
    double At(int row, int col) const { return values_.at(static_cast<size_t>(row * cols_ + col)); }

    // Column numbers in row 0, row numbers in column 0, corner in cell [0][0].
    void SetLabels(double corner);

    // Header lines, written as "# " comments above the rows.
    void AddComment(const std::string& line) { comments_.push_back(line); }

    // Throws std::logic_error if a whole-number table holds a fraction.
    std::string ToCsv() const;

  private:
    int rows_;
    int cols_;
    Format format_;
    std::vector<double> values_;
    std::vector<std::string> comments_;
};

// Writes text to path, replacing the file; throws std::runtime_error on failure.
void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace refgen
