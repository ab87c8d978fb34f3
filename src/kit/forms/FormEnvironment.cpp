#include "FormEnvironment.h"

#include <stdexcept>

namespace kit::forms {
namespace {
FormEnvironment*& installed() {
  static FormEnvironment* environment = nullptr;
  return environment;
}
}  // namespace

FormEnvironment& formEnvironment() {
  if (!installed()) throw std::logic_error("no form environment installed");
  return *installed();
}

FormEnvironment* installedFormEnvironment() {
  return installed();
}

void setFormEnvironment(FormEnvironment* environment) {
  installed() = environment;
}

}  // namespace kit::forms
