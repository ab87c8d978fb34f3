#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

namespace core {
class TDM;
}
namespace kit::forms {
class EditPanel;
}
namespace kit::data {
class Dataset;
}

namespace session {

// The owner: the consultancy that runs the program, whose data heads the printed documents.
class TFormTulajdonos : public QDialog {
  Q_OBJECT
 public:
  explicit TFormTulajdonos(core::TDM& dm, QWidget* parent = nullptr);

  kit::forms::EditPanel* PanelAlap = nullptr;
  kit::data::Dataset& owner() const { return *owner_; }
  QPushButton* ButtonPost = nullptr;  // "Rögzítés <F2>"
  QPushButton* ButtonExit = nullptr;  // "Kilépés <Esc>"

  // Checks the name and the tax number, then saves in a transaction; false when refused.
  bool save();
  void leave();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  core::TDM& dm_;
  kit::data::Dataset* owner_ = nullptr;
};

// After the first login: a superuser whose owner is missing or not yet filled in ("-") gets
// the owner row (created when missing) and the owner window to fill it in. Returns whether the
// window was shown.
bool checkOwnerAfterFirstLogin(core::TDM& dm, const std::function<void(TFormTulajdonos&)>& show = {});

}  // namespace session
