#include "text/Encoding.h"

namespace {

bool IsValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80         ? 1
                         : (c >> 5) == 6  ? 2
                         : (c >> 4) == 14 ? 3
                         : (c >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

std::string ToUtf8(const std::string& text) {
    if (IsValidUtf8(text)) return text;
    std::string out;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> ToLatin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        // U+0080..U+00FF are the two-byte sequences led by 0xC2 and 0xC3.
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= utf8.size()) return std::nullopt;
        const unsigned char next = static_cast<unsigned char>(utf8[++i]);
        if ((next >> 6) != 2) return std::nullopt;
        out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
    }
    return out;
}
