#pragma once

#include "kit/forms/TFormSablon02.h"

class QPushButton;

namespace core {
class TDM;
}

namespace maintenance {

// The signatories: the people who sign documents, with their certificate number or position.
// Kept in this window, and picked from it by the protocols, analyses, evaluations and the
// accident register.
class TFormAlairas : public kit::forms::TFormSablon02 {
  Q_OBJECT

 public:
  explicit TFormAlairas(core::TDM& dm, QWidget* parent = nullptr);

  // Picking mode: only the list and the picking bar; "Kiválasztás" chooses the current row,
  // "Kilépés" cancels. Users with the u_alairas right may roll the edit panel down to add a
  // missing signatory meanwhile.
  void setPickingMode(bool picking);
  bool pickingMode() const { return picking_; }
  bool cancelled() const { return cancelled_; }
  QString chosenName() const { return chosenName_; }
  QString chosenPosition() const { return chosenPosition_; }

  QWidget* PanelPick = nullptr;
  QPushButton* ButtonPick = nullptr;      // "Kiválasztás"
  QPushButton* ButtonExit = nullptr;      // "Kilépés"
  QPushButton* ButtonRollDown = nullptr;  // opens the edit panel while picking
  QPushButton* ButtonRollUp = nullptr;    // closes it again

  void choose();
  void rollDown();
  void rollUp();

 protected:
  void beforeShowing() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showEditing(bool shown);

  core::TDM& dm_;
  bool picking_ = false;
  bool cancelled_ = true;
  QString chosenName_, chosenPosition_;
};

// The signatory picker: shows the signatory window in picking mode.
struct SignatoryChoice {
  bool cancelled = true;
  QString name;      // alairas.nev
  QString position;  // alairas.beosztas
};
SignatoryChoice pickSignatory(core::TDM& dm, QWidget* parent = nullptr);

}  // namespace maintenance
