#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The program keeps text as UTF-8; files are CP932 (Windows Shift-JIS). Byte
// limits of the file formats count CP932 bytes, so they are measured here.

// Strict conversions: std::nullopt when a character cannot be converted.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The text of a data file: its bytes decoded strictly as CP932. Nothing when
// a byte sequence is not CP932, and nothing for UTF-8 text with characters
// beyond ASCII (a file an editor saved as UTF-8), even where its bytes would
// happen to decode as CP932.
std::optional<std::string> DataFileText(std::string_view bytes);

// Well-formed UTF-8 that holds at least one character beyond ASCII.
bool IsMultiByteUtf8(std::string_view bytes);

// Reading damaged files: bytes that are not CP932 are dropped.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// Writing text that should already be clean: characters CP932 cannot hold
// are dropped.
std::string Utf8ToCp932Lossy(std::string_view utf8);
// The same, written from out, which has room for utf8.size() +
// Cp932WriteSlack bytes (no character takes more bytes in CP932 than in
// UTF-8); the end of what was written.
constexpr std::size_t Cp932WriteSlack = 8;
char* WriteUtf8AsCp932Lossy(std::string_view utf8, char* out);

// True when every character of the UTF-8 text has a CP932 form.
bool IsCp932Representable(std::string_view utf8);

// Number of CP932 bytes of the text; a character CP932 cannot hold counts 2.
std::size_t Cp932ByteLength(std::string_view utf8);

// The longest run of whole leading characters that fits in maxBytes CP932
// bytes; a double-byte character that would be split is dropped.
std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes);
