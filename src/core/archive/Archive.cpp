#include "archive/Archive.h"

#include <bit>

#include "text/Format.h"

void CArchiveWriter::WriteLE(uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void CArchiveWriter::WriteInt(int32_t value) { WriteLE(static_cast<uint32_t>(value), 4); }

void CArchiveWriter::WriteDouble(double value) { WriteLE(std::bit_cast<uint64_t>(value), 8); }

void CArchiveWriter::WriteString(const std::string& text) {
    const size_t length = text.size();
    if (length < 0xFF) {
        WriteLE(length, 1);
    } else if (length < 0xFFFE) {
        WriteLE(0xFF, 1);
        WriteLE(length, 2);
    } else {
        WriteLE(0xFF, 1);
        WriteLE(0xFFFF, 2);
        WriteLE(static_cast<uint32_t>(length), 4);
    }
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void CArchiveWriter::WriteCount(uint32_t count) {
    if (count < 0xFFFF) {
        WriteLE(count, 2);
    } else {
        WriteLE(0xFFFF, 2);
        WriteLE(count, 4);
    }
}

void CArchiveReader::Need(size_t bytes) const {
    if (bytes > Remaining()) {
        throw CArchiveError(
            StrFormat("the file ends early (%zu more bytes expected at offset %zu)", bytes, m_pos));
    }
}

uint64_t CArchiveReader::ReadLE(int bytes) {
    Need(static_cast<size_t>(bytes));
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint64_t>(m_data[m_pos + i]) << (8 * i);
    m_pos += static_cast<size_t>(bytes);
    return value;
}

int32_t CArchiveReader::ReadInt() { return static_cast<int32_t>(static_cast<uint32_t>(ReadLE(4))); }

double CArchiveReader::ReadDouble() { return std::bit_cast<double>(ReadLE(8)); }

std::string CArchiveReader::ReadString() {
    const size_t start = m_pos;
    uint64_t length = ReadLE(1);
    if (length == 0xFF) {
        length = ReadLE(2);
        if (length == 0xFFFE) {
            // The marker of a wide-character string, which no Thermavo file holds.
            throw CArchiveError(StrFormat("unsupported string encoding at offset %zu", start));
        }
        if (length == 0xFFFF) length = ReadLE(4);
    }
    if (length > Remaining()) {
        throw CArchiveError(
            StrFormat("a text of %llu bytes at offset %zu is longer than the rest of the file",
                      static_cast<unsigned long long>(length), start));
    }
    std::string text(reinterpret_cast<const char*>(m_data + m_pos), static_cast<size_t>(length));
    m_pos += static_cast<size_t>(length);
    return text;
}

uint32_t CArchiveReader::ReadCount() {
    uint64_t count = ReadLE(2);
    if (count == 0xFFFF) count = ReadLE(4);
    return static_cast<uint32_t>(count);
}

void CArchiveReader::Skip(size_t bytes) {
    Need(bytes);
    m_pos += bytes;
}
