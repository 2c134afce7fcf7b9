#pragma once
// The one error idiom of the program: an exception that keeps the status code the system gave and
// the text the user is shown.

#include <stdexcept>
#include <string>
#include <system_error>

namespace quellon {

// what() is the text alone, byte for byte: the error box shows it as it is, without the words a
// std::system_error would add for its code. code() keeps the status for those who ask.
class StatusError : public std::system_error {
 public:
  StatusError(int status, const std::error_category& category, const std::string& text)
      : std::system_error(status, category, text), text_(text) {}

  const char* what() const noexcept override { return text_.what(); }

 private:
  std::runtime_error text_;  // an exception's text must copy without throwing; this one does
};

}  // namespace quellon
