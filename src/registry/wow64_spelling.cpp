#include "registry/wow64_spelling.h"

#include <algorithm>

#include "registry/cp1252.h"

namespace quellon {
namespace {

constexpr std::string_view kSoftware = "SOFTWARE";
constexpr std::string_view kWow64Node = "WOW6432Node";

// The length of the first name of `key` when it is `name` (in any letter case), or 0.
std::size_t Leads(std::string_view key, std::string_view name) {
  if (key.size() < name.size() || !RegNamesEqual(key.substr(0, name.size()), name)) return 0;
  if (key.size() > name.size() && key[name.size()] != '\\') return 0;
  return name.size();
}

}  // namespace

std::string Wow64Spelling(RegHandle root, std::string_view key) {
  const std::size_t software = Leads(key, kSoftware);
  if (root != kHkeyLocalMachine || software == 0) return std::string(key);
  if (Leads(key.substr(std::min(key.size(), software + 1)), kWow64Node) != 0)
    return std::string(key);  // already where it lies
  return std::string(key.substr(0, software)) + "\\" + std::string(kWow64Node) +
         std::string(key.substr(software));
}

std::string ProgramSpelling(RegHandle root, std::string_view key) {
  const std::size_t software = Leads(key, kSoftware);
  if (root != kHkeyLocalMachine || software == 0 || software == key.size()) return std::string(key);
  const std::string_view rest = key.substr(software + 1);
  const std::size_t node = Leads(rest, kWow64Node);
  if (node == 0) return std::string(key);
  return std::string(key.substr(0, software)) + std::string(rest.substr(node));
}

}  // namespace quellon
