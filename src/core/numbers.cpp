#include "core/numbers.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>

#include "core/files.h"

namespace core {

std::function<std::string()> DecimalSeparator = [] {
  char separator[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1) return std::string(".");
  return std::string(separator);
};

std::optional<double> NumericValue(const std::string& text) {
  std::string t = Trimmed(text);
  std::string separator = DecimalSeparator();
  // The text with its decimal mark as "." for strtod (which runs in the "C"
  // locale).
  std::string number;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) number += t[i++];
  size_t digits = 0;
  bool point = false;
  while (i < t.size()) {
    if (std::isdigit(static_cast<unsigned char>(t[i]))) {
      ++digits;
      number += t[i++];
      continue;
    }
    size_t mark = t[i] == '.' ? 1 : 0;
    if (!mark && !separator.empty() && t.compare(i, separator.size(), separator) == 0) mark = separator.size();
    if (!mark || point) return std::nullopt;
    point = true;
    number += '.';
    i += mark;
  }
  if (digits == 0) return std::nullopt;
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace core
