#pragma once

#include <string>

// printf-style formatting into a std::string; the display formats ("%.2f" and the like) and
// the message texts are printf formats.
std::string StrFormat(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
