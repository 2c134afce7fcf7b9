#include "scenario/script.h"

#include <cctype>
#include <sstream>

#include "base/hex.h"

namespace quellon::scenario {
namespace {

std::string ReadQuoted(const std::string& line, size_t& i, int line_no) {
  std::string out;
  for (++i; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      ++i;
      return out;
    }
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (++i >= line.size()) break;
    switch (line[i]) {
      case '"':
        out.push_back('"');
        break;
      case '\\':
        out.push_back('\\');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 'n':
        out.push_back('\n');
        break;
      case 'b':
        out.push_back('\b');
        break;
      case 'x': {
        const int hi = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
        const int lo = i + 2 < line.size() ? HexDigit(line[i + 2]) : -1;
        if (hi < 0 || lo < 0) throw ScriptError(line_no, "bad \\x escape");
        out.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
        break;
      }
      default:
        throw ScriptError(line_no, std::string("unknown escape \\") + line[i]);
    }
  }
  throw ScriptError(line_no, "unterminated quoted text");
}

std::vector<std::string> Tokenize(const std::string& line, int line_no) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
    } else if (line[i] == '"') {
      tokens.push_back(ReadQuoted(line, i, line_no));
    } else {
      const size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
      tokens.push_back(line.substr(start, i - start));
    }
  }
  return tokens;
}

}  // namespace

std::vector<Command> ParseScript(const std::string& text) {
  std::vector<Command> commands;
  std::istringstream in(text);
  std::string line;
  int line_no = 0;
  while (std::getline(in, line)) {
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    Command c{line_no, Tokenize(line, line_no)};
    if (!c.tokens.empty()) commands.push_back(std::move(c));
  }
  return commands;
}

std::string Quote(const std::string& text) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          out.push_back(ch);
        } else {
          out += "\\x";
          out.push_back(kHex[c >> 4]);
          out.push_back(kHex[c & 15]);
        }
    }
  }
  return out + "\"";
}

}  // namespace quellon::scenario
