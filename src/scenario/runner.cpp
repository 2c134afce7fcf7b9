#include "scenario/runner.h"

#include <charconv>
#include <climits>
#include <sstream>

#include "base/status_error.h"
#include "devices/guid.h"

namespace quellon::scenario {
namespace {

const std::string& Arg(const Command& c, size_t i) {
  if (i >= c.tokens.size()) throw UsageError("'" + c.tokens[0] + "' needs more arguments");
  return c.tokens[i];
}

void NeedCount(const Command& c, size_t lo, size_t hi) {
  if (c.tokens.size() < lo || c.tokens.size() > hi)
    throw UsageError("wrong number of arguments to '" + c.tokens[0] + "'");
}

int IntNumber(const std::string& text) {
  return static_cast<int>(Number(text, INT_MIN, INT_MAX));
}

// A pointer offset stays far from the ends of int, so that adding it to a position cannot overflow.
int Offset(const std::string& text) {
  return static_cast<int>(Number(text, -32768, 32767));
}

// Splits CONTROL.PROP at its last dot.
std::pair<std::string, std::string> SplitProperty(const std::string& token) {
  const size_t dot = token.rfind('.');
  if (dot == std::string::npos) throw UsageError("expected CONTROL.PROP, got " + token);
  return {token.substr(0, dot), token.substr(dot + 1)};
}

}  // namespace

long long Number(const std::string& text, long long lo, long long hi) {
  const bool negative = !text.empty() && text[0] == '-';
  const char* first = text.data() + (negative ? 1 : 0);
  const char* last = text.data() + text.size();
  int base = 10;
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    first += 2;
    base = 16;
  }
  unsigned long long magnitude = 0;
  const auto [end, ec] = std::from_chars(first, last, magnitude, base);
  if (ec != std::errc() || end != last || magnitude > (1ULL << 62))
    throw UsageError("not a number: " + text);
  const long long value =
      negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  if (value < lo || value > hi) throw UsageError("number out of range: " + text);
  return value;
}

int Runner::Run(const std::vector<Command>& commands) {
  for (const Command& c : commands) {
    try {
      if (!Execute(c)) return kExitExpectFailed;
    } catch (const UsageError& e) {
      out_ << "error at line " << c.line << ": " << e.what() << "\n";
      return kExitUsage;
    } catch (const StatusError& e) {
      // A service of the program failing where no command reports it (a catalogue that cannot be
      // made, a user folder that cannot be found) ends the run like a wrong line, not the tool.
      out_ << "error at line " << c.line << ": " << e.what() << "\n";
      return kExitUsage;
    }
  }
  return kExitOk;
}

bool Runner::Execute(const Command& c) {
  const std::string& verb = c.tokens[0];
  if (verb == "reg") {
    RunRegCommand(driver_, c, out_, base_dir_);
  } else if (verb == "start") {
    NeedCount(c, 1, 1);
    driver_.Start();
  } else if (verb == "activate") {
    NeedCount(c, 1, 1);
    driver_.Activate();
  } else if (verb == "tab") {
    NeedCount(c, 2, 2);
    driver_.SelectTab(IntNumber(Arg(c, 1)));
  } else if (verb == "focus") {
    NeedCount(c, 2, 2);
    driver_.Focus(Arg(c, 1));
  } else if (verb == "type" || verb == "paste") {
    NeedCount(c, 3, 3);
    if (verb == "type") driver_.Type(Arg(c, 1), Arg(c, 2));
    if (verb == "paste") driver_.Paste(Arg(c, 1), Arg(c, 2));
  } else if (verb == "click") {
    NeedCount(c, 2, 2);
    driver_.Click(Arg(c, 1));
  } else if (verb == "slide" || verb == "choose") {
    NeedCount(c, 3, 3);
    if (verb == "slide") driver_.Slide(Arg(c, 1), IntNumber(Arg(c, 2)));
    if (verb == "choose") driver_.Choose(Arg(c, 1), IntNumber(Arg(c, 2)));
  } else if (verb == "point") {
    NeedCount(c, 2, 4);
    if (c.tokens.size() == 3) throw UsageError("'point' takes both DX and DY or neither");
    std::optional<ui::Point> offset;
    if (c.tokens.size() == 4) offset = ui::Point{Offset(Arg(c, 2)), Offset(Arg(c, 3))};
    driver_.PointAt(Arg(c, 1), offset);
  } else if (verb == "dir") {
    NeedCount(c, 3, 3);
    if (Arg(c, 1) != "add") throw UsageError("unknown command 'dir " + Arg(c, 1) + "'");
    driver_.AddFolder(Arg(c, 2));
  } else if (verb == "browse") {
    NeedCount(c, 2, 2);
    driver_.SetBrowseResult(Arg(c, 1) == "cancel" ? std::nullopt
                                                  : std::optional<std::string>(Arg(c, 1)));
  } else if (verb == "device") {
    Device(c);
  } else if (IsSafetyCommand(c)) {
    RunSafetyCommand(driver_, c, out_, catalogue_);
  } else if (verb == "print") {
    Print(c);
  } else if (verb == "expect") {
    return Expect(c);
  } else {
    throw UsageError("unknown command '" + verb + "'");
  }
  return true;
}

void Runner::Device(const Command& c) {
  if (Arg(c, 1) != "add") throw UsageError("unknown command 'device " + Arg(c, 1) + "'");
  const std::string& category = Arg(c, 2);
  if (category != "capture" && category != "encoder")
    throw UsageError("a device is a capture or an encoder device, not " + category);
  DeviceDef device;
  device.encoder = category == "encoder";
  device.name = Arg(c, 3);
  device.clsid = FormatGuid(kProxyClass);
  for (size_t i = 4; i < c.tokens.size(); ++i) {
    const std::string& option = c.tokens[i];
    if (option == "clsid") {
      device.clsid = Arg(c, ++i);
    } else if (option == "noclsid") {
      device.clsid.reset();
    } else if (option == "noprocamp") {
      device.procamp = false;
    } else if (option == "nopages") {
      device.pages = false;
    } else {
      throw UsageError("unknown device option " + option);
    }
  }
  driver_.AddDevice(device);
}

void Runner::Print(const Command& c) {
  NeedCount(c, 2, 2);
  // Printed only once all of it is known, so that a wrong line prints nothing but its error.
  std::ostringstream out;
  const std::string& what = Arg(c, 1);
  if (what == "info") {
    out << "info.title = " << Quote(driver_.InfoTitle()) << "\n";
    out << "info.body = " << Quote(driver_.InfoBody()) << "\n";
  } else if (what == "memo") {
    for (const std::string& line : driver_.MemoLines()) out << "memo " << Quote(line) << "\n";
  } else if (what == "frames") {
    const auto frames = driver_.VisibleFrames();
    out << "frames";
    if (frames.empty()) out << " none";
    for (const std::string& f : frames) out << " " << f;
    out << "\n";
  } else if (what == "hook") {
    const std::string owner = driver_.HookOwner();
    out << "hook " << (owner.empty() ? "none" : owner) << "\n";
  } else if (what == "procamp") {
    for (const ProcampSet& set : driver_.TakeProcamp())
      out << "procamp " << Quote(set.device) << " " << set.property << " " << set.value << " "
          << set.flags << "\n";
  } else if (what == "graph") {
    const auto filters = driver_.GraphFilters();
    if (filters.empty()) out << "graph empty\n";
    for (const std::string& f : filters) out << "graph " << Quote(f) << "\n";
  } else if (what == "messages") {
    for (const std::string& line : driver_.TakeShown())
      out << ShownPaths(driver_, line, true) << "\n";
  } else {
    const auto [control, property] = SplitProperty(what);
    out << what << " = " << driver_.Property(control, property) << "\n";
  }
  out_ << out.str();
}

bool Runner::Expect(const Command& c) {
  NeedCount(c, 3, 3);
  const auto [control, property] = SplitProperty(Arg(c, 1));
  const std::string actual = driver_.Property(control, property);
  const std::string& wanted = Arg(c, 2);
  // A text may be given with or without its quotes.
  if (actual == wanted || actual == Quote(wanted)) return true;
  out_ << "expect failed at line " << c.line << ": " << Arg(c, 1) << " = " << actual
       << ", expected " << wanted << "\n";
  return false;
}

}  // namespace quellon::scenario
