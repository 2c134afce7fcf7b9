#pragma once
// The text layer of .reg files: turning the file's bytes into Windows-1252 lines and back, and
// string data that Unicode exports keep as UTF-16 into Windows-1252 and back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quellon::regfile {

// Splits the file into lines (LF or CRLF), decoding UTF-16LE or UTF-8 text that starts with a
// byte order mark. Throws RegFileError for a character Windows-1252 cannot hold.
std::vector<std::string> DecodeLines(std::string_view contents);

// UTF-16LE string data as Windows-1252 bytes; throws RegFileError (at `line`) for an odd length or
// a character Windows-1252 cannot hold.
std::vector<std::uint8_t> Utf16ToCp1252(const std::vector<std::uint8_t>& data, std::size_t line);

// Windows-1252 text or string data as UTF-16LE code units (two bytes each).
std::string EncodeUtf16(std::string_view text);
void AppendUtf16(std::string_view text, std::string* out);
std::vector<std::uint8_t> Cp1252ToUtf16(const std::vector<std::uint8_t>& data);

}  // namespace quellon::regfile
