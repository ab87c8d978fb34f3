#include "Clock.h"

namespace kit::sys {
namespace {
std::optional<QDateTime>& fixedMoment() {
  static std::optional<QDateTime> moment;
  return moment;
}
}  // namespace

QDateTime Clock::now() {
  return fixedMoment() ? *fixedMoment() : QDateTime::currentDateTime();
}

void Clock::setFixed(std::optional<QDateTime> moment) {
  fixedMoment() = std::move(moment);
}

}  // namespace kit::sys
