#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "kit/forms/ListPanel.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace core {
class TDM;
}
namespace kit::forms {
class PageSwitcher;
}

namespace masterdata {

class TFormTeaor;

// The partners (client companies) with their sites and contact persons: the partner list on
// top, and below it five pages switched by F9: the partner's data, its notes, its sites, the
// site notes and its contacts. The first site of a partner is its seat, kept equal to the
// partner's own data by every save of the partner.
class TFormPartner : public QDialog {
  Q_OBJECT
 public:
  explicit TFormPartner(core::TDM& dm, QWidget* parent = nullptr);
  ~TFormPartner() override;

  kit::forms::ListPanel& partners() const { return *partners_; }
  kit::forms::ListPanel& sites() const { return *sites_; }
  kit::forms::ListPanel& contacts() const { return *contacts_; }

  kit::forms::PageSwitcher* PageControl = nullptr;
  QPushButton* ButtonCheck = nullptr;  // "Feladatok ellenőrzése"
  QMenu* PopupSort = nullptr;
  QFrame* PanelOktatas = nullptr;  // training date of a site
  QFrame* PanelCheck = nullptr;    // "Elvégzendő feladatok ellenőrzése"
  QProgressBar* ProgressCheck = nullptr;
  QFrame* PanelPrint = nullptr;  // "Nyomtatási vezérlő"
  QRadioButton* RadioPartnerData = nullptr;
  QRadioButton* RadioPartnerList = nullptr;
  QRadioButton* RadioTraining = nullptr;
  QRadioButton* RadioGdpr = nullptr;
  QCheckBox* CheckAllPartners = nullptr;     // "Minden partner szerepeljen"
  QCheckBox* CheckContractedOnly = nullptr;  // "Csak szerződéses partnerek"

  // Called after every change, so that the main window shows the working context again.
  std::function<void()> workingContextChanged;

  // The pages, in their order.
  enum Page { PartnerData, PartnerNotes, SiteData, SiteNotes, Contacts };
  void showPage(int page);
  // The pop-up menu's orders: by name, contracted partners only, by number.
  enum class Order { ByName, Contracted, ByNumber };
  void sortBy(Order order);
  // Reopens the three lists on the rows selected before, and the working context.
  void refreshAll();
  // "Feladatok ellenőrzése" over the loaded partners.
  void runDueCheck();
  // Picks the partner's or the site's activity code.
  void pickActivity(kit::forms::ListPanel& list);
  void openTrainingPanel();
  void saveTraining();
  void cancelTraining();
  // The print panel and its prints; false when refused.
  void openPrintPanel();
  bool print();
  TFormTeaor& activityPicker();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build();
  // Loads the sites and contacts of the selected partner, unless they are loaded already.
  void followPartner(bool reload = false);
  void applySeatRule();
  bool anyEditing() const;
  bool isSeat() const;
  kit::forms::ListPanel& activeList() const;

  core::TDM& dm_;
  kit::forms::ListPanel* partners_ = nullptr;
  kit::forms::ListPanel* sites_ = nullptr;
  kit::forms::ListPanel* contacts_ = nullptr;
  std::unique_ptr<TFormTeaor> teaor_;
  bool partnerInserted_ = false;
  bool partnerPosted_ = false;
  bool seatBypass_ = false;
  bool holdFollowing_ = false;  // the due check walks the list without loading sites
  QVariant followed_;  // the partner whose sites and contacts are loaded  // the partner's own save and the
                       // training panel may change the seat
};

}  // namespace masterdata
