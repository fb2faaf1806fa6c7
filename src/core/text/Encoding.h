#pragma once

#include <optional>
#include <string>

// Project texts are 8-bit: files of the earlier program hold Latin-1 bytes, texts typed in or read
// from JSON are UTF-8. These two are the only conversions between the two.

// Text as valid UTF-8: bytes that are not UTF-8 already are read as Latin-1.
std::string ToUtf8(const std::string& text);

// The Latin-1 bytes of UTF-8 text whose every character is below U+0100; nothing when a character
// does not fit in a byte or the text is not UTF-8.
std::optional<std::string> ToLatin1(const std::string& utf8);
