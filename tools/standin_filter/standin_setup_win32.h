// Registers the stand-in card filter in the (throwaway) prefix the tests run in: as the in-process
// server of the kernel-streaming proxy class, with device instances in the video input and
// encoder categories that the system's device enumerator lists. Everything is undone on
// destruction, the proxy class's previous server included.

#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quellon {

struct StandinDevice {
  bool encoder = false;
  std::string name;
  std::string clsid = "{17CCA71B-ECD7-11D0-B908-00A0C9223196}";  // empty: no "CLSID" value
  bool procamp = true;
  bool pages = true;
};

class StandinPrefix {
 public:
  StandinPrefix();
  ~StandinPrefix();
  StandinPrefix(const StandinPrefix&) = delete;
  StandinPrefix& operator=(const StandinPrefix&) = delete;

  // Devices of one category are enumerated in the order they were added.
  void Add(const StandinDevice& device);

  // Every ProcAmp value the stand-in filters received since the last call, one
  // "NAME<TAB>PROPERTY<TAB>VALUE<TAB>FLAGS" line each, the name in UTF-8.
  std::string TakeProcampLog();
  // The same, one entry each, the name in the ANSI code page.
  struct Set {
    std::string device;
    int property;
    int value;
    int flags;
  };
  std::vector<Set> TakeProcampSets();
  // Whether every object the stand-in made has been released again (its DllCanUnloadNow).
  static bool AllReleased();

  // The stand-in's path in the Windows form.
  static std::string DllPath();

 private:
  std::vector<std::string> keys_;  // created below HKLM, deleted in reverse order
  std::string old_proxy_server_;
  bool had_proxy_server_ = false;
  int added_ = 0;
};

}  // namespace quellon
