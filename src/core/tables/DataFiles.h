#pragma once

#include <string>
#include <vector>

// The reference data files qlexNN.dat: flat arrays of little-endian doubles, row after row, no
// header. Row 0 and column 0 are labels in every file; the reader knows each file's shape.
struct DataFileShape {
    int nNumber;  // NN of qlexNN.dat
    int nRows;
    int nCols;
    const char* pszWhat;

    int Bytes() const { return nRows * nCols * 8; }
};

// Every data file the program reads, in file-number order.
const std::vector<DataFileShape>& AllDataFiles();

// The shape of file NN, or nullptr when the program reads no such file.
const DataFileShape* FindDataFile(int number);

// "qlex07.dat" / "qlex07.csv".
std::string DataFileName(int number);
std::string DataSourceName(int number);

// The file number of a name of the form qlexNN.dat or qlexNN.csv (any folder), or -1.
int DataFileNumber(const std::string& fileName);
