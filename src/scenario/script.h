#pragma once
// The scenario language: one command per line, blank-separated tokens, double-quoted tokens with
// the escapes \" \\ \r \n and \xHH, '#' comment lines.

#include <stdexcept>
#include <string>
#include <vector>

namespace quellon::scenario {

struct Command {
  int line = 0;
  std::vector<std::string> tokens;
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what) {}
};

std::vector<Command> ParseScript(const std::string& text);

// A value as the runner prints it: printable ASCII as is, \r \n \" \\ escaped, every other byte
// \xHH.
std::string Quote(const std::string& text);

}  // namespace quellon::scenario
