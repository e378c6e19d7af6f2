#pragma once

// Text conversions the INI layer needs: UTF-16 files, the Windows Cyrillic
// code page of files copied from older installations, and case-blind names.
// Plain C++, no Qt, so the fuzz targets link it alone.

#include <string>
#include <string_view>

namespace ini {

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Windows-1251 bytes to UTF-8; the one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Replaces every ill-formed sequence with U+FFFD.
std::string ToValidUtf8(std::string_view bytes);

// UTF-16 to UTF-8 and back. A lone surrogate is carried through as its own
// three-byte form, so decoding and encoding again gives the same bytes. An odd
// final byte is not part of the text: Utf16ToUtf8 ignores it.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);

// Simple case folding for ASCII, Latin-1, Greek and Cyrillic letters; other
// characters and ill-formed bytes are kept as they are.
std::string FoldCase(std::string_view text);

} // namespace ini
