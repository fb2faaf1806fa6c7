#include "archive/Archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t n) {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n));
}
}  // namespace

TEST(Archive, StringLengthPrefixesAtEveryBoundary) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        CArchiveWriter writer;
        const std::string text(c.length, 'q');
        writer.WriteString(text);
        const std::vector<uint8_t>& bytes = writer.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix) << c.length;

        CArchiveReader reader(bytes.data(), bytes.size());
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(Archive, CountsAndNumbersAreLittleEndian) {
    CArchiveWriter writer;
    writer.WriteCount(65534);
    writer.WriteCount(65535);
    writer.WriteInt(-2);
    writer.WriteDouble(1.0);
    const std::vector<uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                           0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0,    0,
                                           0,    0,    0,    0,    0xF0, 0x3F};
    EXPECT_EQ(writer.Bytes(), expected);

    CArchiveReader reader(expected.data(), expected.size());
    EXPECT_EQ(reader.ReadCount(), 65534u);
    EXPECT_EQ(reader.ReadCount(), 65535u);
    EXPECT_EQ(reader.ReadInt(), -2);
    EXPECT_EQ(reader.ReadDouble(), 1.0);
    EXPECT_THROW(reader.ReadInt(), CArchiveError);
}

TEST(Archive, ReadingPastTheEndFailsWithoutMoving) {
    const std::vector<uint8_t> bytes = {1, 2, 3};
    CArchiveReader reader(bytes.data(), bytes.size());
    EXPECT_THROW(reader.ReadInt(), CArchiveError);
    EXPECT_EQ(reader.Position(), 0u);
    EXPECT_THROW(reader.Skip(4), CArchiveError);
    EXPECT_EQ(reader.ReadCount(), 0x0201u);
    EXPECT_THROW(reader.ReadDouble(), CArchiveError);
}
