#pragma once

#include "kit/forms/TFormSablon02.h"

namespace core {
class TDM;
}

namespace session {

// User administration (superusers only): the users with their login data and rights.
class TFormUser : public kit::forms::TFormSablon02 {
  Q_OBJECT
 public:
  explicit TFormUser(core::TDM& dm, QWidget* parent = nullptr);

 private:
  void followRow();
  core::TDM& dm_;
  bool firstUser_ = false;
};

}  // namespace session
