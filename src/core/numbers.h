// Numbers typed into boxes: the pages' offsets and sizes and the image
// cutter's number boxes read the user's decimal mark alike.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace core {

// The user's decimal separator (LOCALE_SDECIMAL of the user's locale),
// asked for at every conversion; tests put their own in.
extern std::function<std::string()> DecimalSeparator;

// The number an offset or a size text stands for: blanks around it are
// allowed, a sign and a decimal fraction too, its mark "." or the user's
// decimal separator; nullopt when the text is not a number (an empty text
// included).
std::optional<double> NumericValue(const std::string& text);

}  // namespace core
