#pragma once
// Runs a parsed scenario against a driver and prints what the script asks to see.

#include <ostream>
#include <string>
#include <vector>

#include "scenario/driver.h"
#include "scenario/script.h"

namespace quellon::scenario {

inline constexpr int kExitOk = 0;
inline constexpr int kExitExpectFailed = 1;
inline constexpr int kExitUsage = 2;

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
};

// A number token: decimal or 0x hex, with an optional "-", within lo..hi; anything else is the
// script's fault.
long long Number(const std::string& text, long long lo, long long hi);

// The registry part of the language, against the script's own registry.
void RunRegCommand(Driver& driver, const Command& c, std::ostream& out,
                   const std::string& base_dir);

}  // namespace quellon::scenario
