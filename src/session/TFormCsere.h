#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace core {
class TDM;
}
namespace kit::data {
class Dataset;
}
namespace kit::ui {
class DBGrid;
}

namespace session {

// The working-context switcher: the partner and the site the current user works on. Only a
// user with the partner-change right (or a superuser) may pick another partner; everybody may
// pick another site of the partner.
class TFormCsere : public QDialog {
  Q_OBJECT
 public:
  explicit TFormCsere(core::TDM& dm, QWidget* parent = nullptr);
  ~TFormCsere() override;

  kit::data::Dataset& partners() const { return *partners_; }
  kit::data::Dataset& sites() const { return *sites_; }
  kit::ui::DBGrid* GridPartner = nullptr;
  kit::ui::DBGrid* GridTelephely = nullptr;
  QLineEdit* EditSearch = nullptr;
  QPushButton* ButtonPost = nullptr;  // "Rögzítés"
  QPushButton* ButtonExit = nullptr;  // "Kilépés <Esc>"

  // Whether the partner list may be used.
  bool partnerChangeAllowed() const { return partnerChangeAllowed_; }
  // Stores the selected partner and site as the user's working context; false when it failed
  // (the message is shown, the window stays open).
  bool save();
  void search(const QString& text);

  // The orange of contracted partners in the list.
  static constexpr int contractedColor = 4036593;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void loadSites();
  core::TDM& dm_;
  std::unique_ptr<kit::data::Dataset> partners_;
  std::unique_ptr<kit::data::Dataset> sites_;
  QVariant userSite_;
  bool partnerChangeAllowed_ = false;
};

// Paints contracted partners (their `szerzodeses`) in the orange of the partner lists; the
// selected row keeps the selection colour.
void paintContractedPartners(kit::ui::DBGrid& grid);

}  // namespace session
