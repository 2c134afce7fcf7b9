// The safety net's commands of the scenario language: the catalogue the script lists (or the
// program's own), the clock that names backups, backups, the program's files, quellon.exe's
// command line and the window's system menu with the dialogs it opens.

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <sstream>

#include "app/command_line.h"
#include "safety/program_catalogue.h"
#include "safety/transfer.h"
#include "scenario/runner.h"
#include "scenario/script.h"
#include "testing/faulty_registry.h"

namespace quellon::scenario {
namespace {

void NeedCount(const Command& c, size_t lo, size_t hi) {
  if (c.tokens.size() < lo || c.tokens.size() > hi)
    throw UsageError("wrong number of arguments to '" + c.tokens[0] + "'");
}

// "2026-12-08" and "14:55:03".
LocalTime ParseTime(const std::string& date, const std::string& time) {
  LocalTime t;
  char tail = 0;
  if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &t.year, &t.month, &t.day, &tail) != 3 ||
      std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &t.hour, &t.minute, &t.second, &tail) != 3 ||
      t.year < 1601 || t.year > 9999 || t.month < 1 || t.day < 1 ||
      !std::chrono::year_month_day(std::chrono::year(t.year),
                                   std::chrono::month(static_cast<unsigned>(t.month)),
                                   std::chrono::day(static_cast<unsigned>(t.day)))
           .ok() ||
      t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    throw UsageError("not a time as YYYY-MM-DD HH:MM:SS: " + date + " " + time);
  }
  return t;
}

void Replace(std::string* text, const std::string& what, const std::string& with) {
  if (what.empty()) return;
  for (size_t at = text->find(what); at != std::string::npos;
       at = text->find(what, at + with.size()))
    text->replace(at, what.size(), with);
}

void PrintLines(const std::string& tag, const std::string& text, std::ostream& out) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) out << tag << " " << Quote(line) << "\n";
}

// quellon.exe ARGS over the program's registry and files; the user's folder shows as
// %LOCALAPPDATA%, the same in both modes.
void Cli(Driver& driver, const Command& c, std::ostream& out, const ScriptCatalogue& catalogue) {
  NeedCount(c, 2, SIZE_MAX);  // without arguments quellon.exe opens its window
  const std::vector<std::string> args(c.tokens.begin() + 1, c.tokens.end());
  const ConsoleServices services{driver.ProgramFaults(), driver.Files(),
                                 [&](RegistryApi& api) { return catalogue.Make(api); }};
  std::string shown_out, shown_err;
  const int code =
      RunConsoleCommand(ParseCommandLine(args), "(scenario)", services, shown_out, shown_err);
  PrintLines("stdout", ShownPaths(driver, shown_out, false), out);
  PrintLines("stderr", ShownPaths(driver, shown_err, false), out);
  out << "exit " << code << "\n";
}

// A UTF-16 line with every unit outside ASCII as \uXXXX.
std::string QuoteUnits(const std::u16string& units) {
  std::string out = "\"";
  for (const char16_t unit : units) {
    if (unit < 0x80) {
      const std::string quoted = Quote(std::string(1, static_cast<char>(unit)));
      out += quoted.substr(1, quoted.size() - 2);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
      out += escape;
    }
  }
  return out + "\"";
}

// The file line by line, each line ended by CR LF; what follows the last line end shows as `end`.
// A file that starts with the UTF-16LE byte order mark shows its characters, any other its bytes.
void PrintFile(Driver& driver, const std::string& name, std::ostream& out) {
  const std::string bytes = driver.Files().Read(ProgramPath(driver, name));
  const bool utf16 = bytes.starts_with("\xFF\xFE") && bytes.size() % 2 == 0;
  std::u16string text;
  if (utf16) {
    for (size_t i = 2; i < bytes.size(); i += 2)
      text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           static_cast<unsigned char>(bytes[i + 1]) << 8));
  } else {
    text.assign(bytes.begin(), bytes.end());
  }
  out << "file " << Quote(name) << (utf16 ? " utf-16le" : " bytes") << "\n";
  const auto quote = [&](const std::u16string& line) {
    return utf16 ? QuoteUnits(line) : Quote(std::string(line.begin(), line.end()));
  };
  size_t start = 0;
  for (size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
    out << "line " << quote(text.substr(start, end - start)) << "\n";
  if (start < text.size()) out << "end " << quote(text.substr(start)) << "\n";
}

void Backup(Driver& driver, const Command& c, std::ostream& out, const ScriptCatalogue& catalogue) {
  NeedCount(c, 2, 3);
  if (c.tokens[1] != "take") throw UsageError("unknown command 'backup " + c.tokens[1] + "'");
  const long long times = c.tokens.size() == 3 ? Number(c.tokens[2], 1, 1000) : 1;
  BackupStore backups(driver.Files());
  try {
    for (long long i = 0; i < times; ++i)
      // Without a reason, as backups of Quellon before the reasons are.
      TakeBackup(driver.ProgramFaults(), catalogue.Make(driver.ProgramFaults()), backups,
                 std::nullopt);
  } catch (const BackupError& e) {
    out << "backup failed " << Quote(e.what()) << "\n";
  }
}

// The catalogue as it stands, in its order: KEY as the script writes it, then the value's name.
void PrintCatalogue(Driver& driver, const ScriptCatalogue& catalogue, std::ostream& out) {
  const Catalogue made = catalogue.Make(driver.ProgramFaults());
  out << "catalogue " << made.size() << (made.size() == 1 ? " value" : " values") << "\n";
  for (const CatalogueValue& value : made.values()) {
    const std::string key =
        (value.root == kHkeyCurrentUser ? "HKCU\\" : "") + std::string(value.key);
    out << "value " << key << " " << Quote(value.name) << "\n";
  }
}

// The menu commands that open a file dialog first, by the script's word for them.
constexpr std::pair<std::string_view, const char*> kFileMenu[] = {
    {"export", "Export to .reg file..."},
    {"import", "Import from .reg file..."},
    {"profile-save", "Save settings profile..."},
    {"profile-apply", "Apply settings profile..."}};

// `menu restore`, `menu restore-from N|cancel` (row N of the list, from 0), and
// `menu WORD FILE|cancel` for the commands above.
void Menu(Driver& driver, const Command& c) {
  NeedCount(c, 2, 3);
  const std::string& command = c.tokens[1];
  if (command == "restore") {
    NeedCount(c, 2, 2);
    return driver.ChooseMenu("Restore last backup...");
  }
  if (command == "restore-from") {
    NeedCount(c, 3, 3);
    driver.SetListResult(
        c.tokens[2] == "cancel"
            ? std::nullopt
            : std::optional<std::size_t>(static_cast<std::size_t>(Number(c.tokens[2], 0, 49))));
    return driver.ChooseMenu("Restore a backup...");
  }
  const auto chosen = std::ranges::find(kFileMenu, std::string_view(command),
                                        &std::pair<std::string_view, const char*>::first);
  if (chosen == std::end(kFileMenu)) throw UsageError("unknown command 'menu " + command + "'");
  NeedCount(c, 3, 3);
  const std::string& file = c.tokens[2];
  driver.SetFileResult(file == "cancel" ? std::nullopt
                                        : std::optional<std::string>(ProgramPath(driver, file)));
  driver.ChooseMenu(chosen->second);
}

void CatalogueCommand(const Command& c, ScriptCatalogue& catalogue) {
  NeedCount(c, 2, SIZE_MAX);
  if (c.tokens[1] == "program") {
    NeedCount(c, 2, 2);
    catalogue.program = true;
    return;
  }
  NeedCount(c, 4, SIZE_MAX);
  if (c.tokens[1] != "add") throw UsageError("unknown command 'catalogue " + c.tokens[1] + "'");
  const KeyPath key = ParseKey(c.tokens[2]);
  for (size_t i = 3; i < c.tokens.size(); ++i)
    catalogue.listed.Add(key.root, key.path, c.tokens[i]);
}

void SafetyCommand(Driver& driver, const Command& c, std::ostream& out,
                   ScriptCatalogue& catalogue) {
  const std::string& verb = c.tokens[0];
  if (verb == "cli") {
    Cli(driver, c, out, catalogue);
  } else if (verb == "backup") {
    Backup(driver, c, out, catalogue);
  } else if (verb == "catalogue") {
    CatalogueCommand(c, catalogue);
  } else if (verb == "menu") {
    Menu(driver, c);
  } else if (verb == "answer") {
    NeedCount(c, 2, 2);
    if (c.tokens[1] != "yes" && c.tokens[1] != "no")
      throw UsageError("a question is answered yes or no, not " + c.tokens[1]);
    driver.SetConfirmAnswer(c.tokens[1] == "yes");
  } else if (verb == "clock") {
    NeedCount(c, 3, 4);
    driver.Clock().now = ParseTime(c.tokens[1], c.tokens[2]);
    driver.Clock().step =
        c.tokens.size() == 4 ? static_cast<int>(Number(c.tokens[3], 0, 86400)) : 0;
  } else if (verb == "file") {
    NeedCount(c, 4, 4);
    if (c.tokens[1] != "put") throw UsageError("unknown command 'file " + c.tokens[1] + "'");
    const std::string path = ProgramPath(driver, c.tokens[2]);
    if (const size_t slash = path.rfind('\\'); slash != std::string::npos)
      driver.Files().MakeFolders(path.substr(0, slash));
    driver.Files().Write(path, c.tokens[3]);
  } else if (c.tokens[1] == "file") {  // print file NAME
    NeedCount(c, 3, 3);
    std::ostringstream shown;  // printed whole, or not at all
    PrintFile(driver, c.tokens[2], shown);
    out << shown.str();
  } else if (c.tokens[1] == "catalogue") {
    NeedCount(c, 2, 2);
    std::ostringstream shown;
    PrintCatalogue(driver, catalogue, shown);
    out << shown.str();
  } else {  // print backups
    NeedCount(c, 2, 2);
    const std::vector<std::string> names = BackupStore(driver.Files()).List();
    if (names.empty()) out << "backups none\n";
    for (const std::string& name : names) out << "backup " << name << "\n";
  }
}

}  // namespace

Catalogue ScriptCatalogue::Make(RegistryApi& api) const {
  return program ? ProgramCatalogue(api) : listed;
}

bool IsSafetyCommand(const Command& c) {
  const std::string& verb = c.tokens[0];
  if (verb == "print") {
    return c.tokens.size() > 1 &&
           (c.tokens[1] == "file" || c.tokens[1] == "backups" || c.tokens[1] == "catalogue");
  }
  return verb == "catalogue" || verb == "clock" || verb == "backup" || verb == "file" ||
         verb == "cli" || verb == "menu" || verb == "answer";
}

std::string ProgramPath(Driver& driver, const std::string& name) {
  constexpr std::string_view kLocal = "%LOCALAPPDATA%";
  if (!name.starts_with(kLocal)) return name;
  return driver.Files().LocalAppData() + name.substr(kLocal.size());
}

std::string ShownPaths(Driver& driver, std::string text, bool quoted) {
  std::string local = driver.Files().LocalAppData();
  if (quoted) local = Quote(local).substr(1, Quote(local).size() - 2);
  Replace(&text, local, "%LOCALAPPDATA%");
  return text;
}

void RunSafetyCommand(Driver& driver, const Command& c, std::ostream& out,
                      ScriptCatalogue& catalogue) {
  // A file the script names that cannot be made or read is the script's fault.
  try {
    SafetyCommand(driver, c, out, catalogue);
  } catch (const FileError& e) {
    throw UsageError(e.what());
  }
}

}  // namespace quellon::scenario
