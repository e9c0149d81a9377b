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

// The length of the well-formed UTF-8 sequence at the start of text (1 for
// ASCII); 0 when the bytes there are no UTF-8. The one UTF-8 check of the
// program.
std::size_t Utf8SequenceLength(std::string_view text);

// Whether a file's bytes are UTF-8 text rather than CP932: well-formed UTF-8
// that either is no CP932 at all or holds a character of three or more bytes
// (Japanese text in UTF-8). Two-byte sequences alone are also what pairs of
// half-width katakana look like in CP932 ("ﾃｽ" is C3 BD): such a file is
// CP932.
bool IsUtf8File(std::string_view bytes);

// The text of a data file: its bytes decoded strictly as CP932. Nothing when
// a byte sequence is not CP932, or when the file is UTF-8 (IsUtf8File: a file
// an editor saved as UTF-8 is not ours).
std::optional<std::string> DataFileText(std::string_view bytes);

// Reading damaged files: bytes that are not CP932 are dropped.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// Writing text that should already be clean: characters CP932 cannot hold
// are dropped.
std::string Utf8ToCp932Lossy(std::string_view utf8);

// True when every character of the UTF-8 text has a CP932 form.
bool IsCp932Representable(std::string_view utf8);

// Number of CP932 bytes of the text; a character CP932 cannot hold counts 2.
std::size_t Cp932ByteLength(std::string_view utf8);

// The longest run of whole leading characters that fits in maxBytes CP932
// bytes; a double-byte character that would be split is dropped.
std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes);
