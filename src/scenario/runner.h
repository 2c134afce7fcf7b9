#pragma once
// Runs a parsed scenario against a driver and prints what the script asks to see.

#include <ostream>
#include <string>
#include <vector>

#include "safety/catalogue.h"
#include "scenario/driver.h"
#include "scenario/script.h"

namespace quellon::scenario {

inline constexpr int kExitOk = 0;
inline constexpr int kExitExpectFailed = 1;
inline constexpr int kExitUsage = 2;

// The catalogue the script's safety commands work with: the values it listed with `catalogue add`,
// or, after `catalogue program`, the program's own, made afresh from its registry at each use.
struct ScriptCatalogue {
  bool program = false;
  Catalogue listed;
  Catalogue Make(RegistryApi& api) const;
};

class Runner {
 public:
  // Relative file names in the script (reg import) are taken from `base_dir`.
  Runner(Driver& driver, std::ostream& out, std::string base_dir)
      : driver_(driver), out_(out), base_dir_(std::move(base_dir)) {}

  int Run(const std::vector<Command>& commands);

 private:
  // Returns false when an expectation failed.
  bool Execute(const Command& c);
  void Reg(const Command& c);
  void Print(const Command& c);
  bool Expect(const Command& c);
  void Device(const Command& c);

  Driver& driver_;
  std::ostream& out_;
  std::string base_dir_;
  ScriptCatalogue catalogue_;
};

// A number token: decimal or 0x hex, with an optional "-", within lo..hi; anything else is the
// script's fault.
long long Number(const std::string& text, long long lo, long long hi);

// A script's KEY: below HKEY_LOCAL_MACHINE, or below HKEY_CURRENT_USER with "HKCU\".
struct KeyPath {
  RegHandle root;
  std::string path;
  std::string shown;  // as the script writes it and the dump prints it
};
KeyPath ParseKey(const std::string& key);

// The registry part of the language, against the script's own registry.
void RunRegCommand(Driver& driver, const Command& c, std::ostream& out,
                   const std::string& base_dir);

// The safety net's part: the catalogue, the clock, backups, the program's files, its command line
// and the window's system menu with the dialogs it opens. `print file`, `print backups` and
// `print catalogue` as well.
void RunSafetyCommand(Driver& driver, const Command& c, std::ostream& out,
                      ScriptCatalogue& catalogue);
bool IsSafetyCommand(const Command& c);

// A name of the program's files as the script gives it, with a leading %LOCALAPPDATA% standing
// for the user's local application data folder.
std::string ProgramPath(Driver& driver, const std::string& name);
// The text with that folder shown as %LOCALAPPDATA% again, the same in both modes; `quoted` when
// the text is quoted as the runner prints it.
std::string ShownPaths(Driver& driver, std::string text, bool quoted);

}  // namespace quellon::scenario
