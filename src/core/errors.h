// Numbered errors raised by the core's small classes (subclassing, timers,
// ZIP lists, GDI+), in VB's form: a number, a source and a description.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace core {

// VB's vbObjectError: application errors are this base plus their number.
inline constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);

class AppError : public std::runtime_error {
 public:
  AppError(int32_t number, std::string source, std::string description)
      : std::runtime_error(description), number_(number), source_(std::move(source)), description_(std::move(description)) {}
  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// The executable's base name without extension ("Tarnell"), the start of
// every error source.
std::string ExeBaseName();

}  // namespace core
