#include "registry/reg_file_text.h"

#include <algorithm>

#include "registry/cp1252.h"
#include "registry/reg_file.h"

namespace quellon::regfile {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Reads one character from UTF-16LE code units, joining surrogate pairs.
char32_t NextUtf16(const std::uint8_t* bytes, std::size_t size, std::size_t* pos) {
  auto unit = [&](std::size_t at) { return char32_t{bytes[at]} | char32_t{bytes[at + 1]} << 8; };
  const char32_t first = unit(*pos);
  *pos += 2;
  if (first < 0xD800 || first > 0xDFFF) return first;
  if (first > 0xDBFF || *pos + 2 > size) return kInvalid;
  const char32_t second = unit(*pos);
  if (second < 0xDC00 || second > 0xDFFF) return kInvalid;
  *pos += 2;
  return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
}

char32_t NextUtf8(std::string_view text, std::size_t* pos) {
  const auto lead = static_cast<unsigned char>(text[(*pos)++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t ch = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, ch = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, ch = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, ch = lead & 0x07;
  } else {
    return kInvalid;
  }
  for (int i = 0; i < extra; ++i) {
    if (*pos >= text.size()) return kInvalid;
    const auto next = static_cast<unsigned char>(text[(*pos)++]);
    if ((next & 0xC0) != 0x80) return kInvalid;
    ch = (ch << 6) | (next & 0x3F);
  }
  return ch;
}

// Collects characters into lines of Windows-1252 text.
class LineBuilder {
 public:
  void Add(char32_t ch) {
    if (ch == U'\n') {
      if (!current_.empty() && current_.back() == '\r') current_.pop_back();
      lines_.push_back(std::move(current_));
      current_.clear();
      return;
    }
    const auto byte = ch == kInvalid ? std::nullopt : UnicodeToCp1252(ch);
    if (!byte) {
      throw RegFileError(lines_.size() + 1, "a character that Windows-1252 cannot hold");
    }
    current_.push_back(static_cast<char>(*byte));
  }
  std::vector<std::string> Finish() {
    if (!current_.empty() && current_.back() == '\r') current_.pop_back();
    if (!current_.empty()) lines_.push_back(std::move(current_));
    return std::move(lines_);
  }

 private:
  std::vector<std::string> lines_;
  std::string current_;
};

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace

std::vector<std::string> DecodeLines(std::string_view contents) {
  LineBuilder lines;
  if (contents.starts_with("\xFF\xFE")) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(contents.data());
    std::size_t pos = 2;
    while (pos + 1 < contents.size()) lines.Add(NextUtf16(bytes, contents.size(), &pos));
    if (pos < contents.size()) lines.Add(kInvalid);  // half a code unit at the end
  } else if (contents.starts_with("\xEF\xBB\xBF")) {
    std::size_t pos = 3;
    while (pos < contents.size()) lines.Add(NextUtf8(contents, &pos));
  } else {
    return SplitLines(contents);  // already Windows-1252
  }
  return lines.Finish();
}

std::vector<std::uint8_t> Utf16ToCp1252(const std::vector<std::uint8_t>& data, std::size_t line) {
  if (data.size() % 2 != 0) {
    throw RegFileError(line, "string data of odd length in a Unicode file");
  }
  std::vector<std::uint8_t> out;
  out.reserve(data.size() / 2);
  std::size_t pos = 0;
  while (pos < data.size()) {
    const char32_t ch = NextUtf16(data.data(), data.size(), &pos);
    const auto byte = ch == kInvalid ? std::nullopt : UnicodeToCp1252(ch);
    if (!byte) throw RegFileError(line, "string data that Windows-1252 cannot hold");
    out.push_back(*byte);
  }
  return out;
}

void AppendUtf16(std::string_view text, std::string* out) {
  // Sized once: a backup's text is over a megabyte.
  const std::size_t start = out->size();
  out->resize(start + text.size() * 2);
  char* at = out->data() + start;
  for (const char c : text) {
    const char32_t ch = Cp1252ToUnicode(static_cast<unsigned char>(c));
    *at++ = static_cast<char>(ch & 0xFF);
    *at++ = static_cast<char>(ch >> 8);
  }
}

std::string EncodeUtf16(std::string_view text) {
  std::string out;
  AppendUtf16(text, &out);
  return out;
}

std::vector<std::uint8_t> Cp1252ToUtf16(const std::vector<std::uint8_t>& data) {
  const std::string units =
      EncodeUtf16(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
  return std::vector<std::uint8_t>(units.begin(), units.end());
}

}  // namespace quellon::regfile
