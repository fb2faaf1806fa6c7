#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Binary archive in the project file's encoding: little-endian, no alignment gaps; strings and
// element counts with the classic variable-length prefixes.

// A file that ends early or holds a length or count it cannot contain.
class CArchiveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class CArchiveWriter {
  public:
    void WriteInt(int32_t value);
    void WriteDouble(double value);
    // Length prefix: 1 byte below 255; 0xFF + 2 bytes below 65534; 0xFF 0xFFFF + 4 bytes.
    void WriteString(const std::string& text);
    // 2 bytes below 65535; else 0xFFFF + 4 bytes.
    void WriteCount(uint32_t count);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

  private:
    void WriteLE(uint64_t value, int bytes);
    std::vector<uint8_t> m_bytes;
};

// Every read checks what remains, so a damaged or hostile file can neither read past its end
// nor make the reader allocate more than the file holds.
class CArchiveReader {
  public:
    CArchiveReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    int32_t ReadInt();
    double ReadDouble();
    std::string ReadString();
    uint32_t ReadCount();
    void Skip(size_t bytes);

    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_size - m_pos; }

  private:
    uint64_t ReadLE(int bytes);
    void Need(size_t bytes) const;

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
