#include "core/service_port.h"

#include "win/variant.h"

namespace corvana {
namespace {

constexpr int kLowestPort = 1;
constexpr int kHighest16BitValue = 32767;

}  // namespace

std::optional<int> DisplayPort16(const std::string& Display, int Base) {
  // The platform's conversion of a text to a 16-bit integer, as the program has always
  // converted it: blanks, signs and decimals accepted, rounded, an overflow refused.
  std::optional<short> display = com::Variant(Display).asShort();
  if (!display) return std::nullopt;
  const int sum = *display + Base;
  if (sum < kLowestPort || sum > kHighest16BitValue) return std::nullopt;
  return sum;
}

std::optional<std::string> ProbePortText(const std::string& Display) {
  std::optional<double> display = com::Variant(Display).asDouble();
  if (!display) return std::nullopt;
  // Written by the same locale rules by which the probe control reads it back.
  return com::Variant(*display + kVncPortBase).asString();
}

}  // namespace corvana
