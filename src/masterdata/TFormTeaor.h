#pragma once

#include "kit/forms/TFormSablon_08.h"

namespace kit::data {
class Connection;
}

namespace masterdata {

// The activity-code picker (TEÁOR'08): divisions, groups and classes as a tree; only a class
// (a four-character code) can be chosen. The picker remembers the last class chosen, which
// its callers write into their row after it closes.
class TFormTeaor : public kit::forms::TFormSablon_08 {
  Q_OBJECT
 public:
  explicit TFormTeaor(kit::data::Connection& connection, QWidget* parent = nullptr);

  // Builds the tree from the code list (done at creation).
  void buildTree();
  // The text of the last class chosen ("0111 Gabonaféle ..."), kept between uses; empty
  // before the first choice.
  const QString& lastChoice() const { return lastChoice_; }
  // The code of a chosen text as a row stores it: its first four characters.
  static QString codeOf(const QString& choice) { return choice.left(4); }

 protected:
  bool isSelectable(const QTreeWidgetItem* node) const override;

 private:
  kit::data::Connection& connection_;
  QString lastChoice_;
};

}  // namespace masterdata
