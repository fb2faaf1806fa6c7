#pragma once

#include <QString>
#include <string>

#include "text/Encoding.h"

// Project texts to and from Qt: the program's views and dialogs and the QPainter canvas share
// these.

// Project texts are 8-bit; bytes that are not UTF-8 are read as Latin-1.
inline QString ToQString(const std::string& text) { return QString::fromStdString(ToUtf8(text)); }
// File names and other texts of the system, which are UTF-8.
inline std::string FromQString(const QString& text) { return text.toStdString(); }

// The inverse of ToQString for a project text edited in a control. Text that still reads as the
// stored text keeps its bytes, whatever their encoding; other text is stored 8-bit (Latin-1)
// when every character fits in a byte and the bytes read back as the same text, else as UTF-8.
inline std::string ToProjectText(const QString& text, const std::string& stored) {
    if (ToQString(stored) == text) return stored;
    const std::string utf8 = text.toStdString();
    // Compared as QStrings: a lone surrogate, which UTF-8 cannot carry, never reads back.
    if (const auto latin1 = ToLatin1(utf8); latin1 && ToQString(*latin1) == text) return *latin1;
    return utf8;
}
