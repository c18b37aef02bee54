#pragma once
// printf-style appending for the text exports. Only integer and text conversions
// are used with it: unlike floating-point ones they do not depend on the locale.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>

inline void Append(std::string& out, const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        out.append(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1);
}
