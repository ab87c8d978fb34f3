#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "ListPanel.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kit::ui {
class TDBInfoLabel;
}

namespace kit::forms {

class PageSwitcher;

// Template of the master-and-points windows (templates, protocols, sheets): the master list
// on the first page, the points of the selected master on the second, switched by F9 or the
// page buttons; the header line shows the selected master's name. The variants differ in
// their command bars:
//  - 03: points editable, "Duplikálás <F4>" with its duplicate panel;
//  - 04: "Felvétel mintának" and a filter on the master bar, points only edited, not added;
//  - 07: both editable, a filter and "Nyomtatás <F5>" on the master bar, "Nyomtatás <F6>" for
//    the sub-points.
// Deleting a master deletes its points with it in one transaction.
class MasterPointsForm : public QDialog {
  Q_OBJECT

 public:
  enum class Variant { Sablon03, Sablon04, Sablon7 };

  struct Master {
    std::unique_ptr<kit::data::Dataset> query;
    std::vector<ListPanel::GridColumn> columns;
    std::vector<FieldSpec> fields;
    QString searchColumn;
    QString nameColumn;  // shown in the header line
    QString pageCaption;
  };
  struct Points {
    std::unique_ptr<kit::data::Dataset> query;  // filtered by the master key parameter
    std::vector<ListPanel::GridColumn> columns;
    std::vector<FieldSpec> fields;
    QString searchColumn;
    QString masterParam;   // the parameter of the points query holding the master key
    QString masterColumn;  // the points' column holding the master key
    QString pageCaption;
  };

  MasterPointsForm(Variant variant, QWidget* parent = nullptr);
  void setup(Master master, Points points);

  ListPanel& master() const { return *master_; }
  ListPanel& points() const { return *points_; }
  Variant variant() const { return variant_; }

  QWidget* PanelClient = nullptr;
  QLabel* PanelTorzsNev = nullptr;
  PageSwitcher* PageControl = nullptr;
  kit::ui::DBGrid* DBGridTorzs = nullptr;
  kit::ui::DBGrid* DBGridPont = nullptr;
  QWidget* PanelDuplicate = nullptr;
  kit::ui::TDBInfoLabel* LabelDuplicateName = nullptr;
  kit::ui::TDBInfoLabel* LabelDuplicateKey = nullptr;
  QProgressBar* ProgressDuplicate = nullptr;
  QPushButton* ButtonDuplicateStart = nullptr;   // "Duplikálás indítása"
  QPushButton* ButtonDuplicateCancel = nullptr;  // "Mégsem"
  QWidget* PanelProgress = nullptr;              // "Törlés folyamatban"
  QProgressBar* ProgressDelete = nullptr;
  QWidget* PanelTorles = nullptr;                 // "Pont törlése és újra sorszámozása folyamatban!"
  QPushButton* ButtonDuplicate = nullptr;         // 03: "Duplikálás <F4>"
  QPushButton* ButtonRecordAsTemplate = nullptr;  // 04: "Felvétel mintának"
  QPushButton* ButtonFilter = nullptr;            // 04, 07

  // The window's own actions behind the variant buttons.
  std::function<void()> duplicate;         // "Duplikálás indítása"
  std::function<void()> recordAsTemplate;  // "Felvétel mintának"
  std::function<void()> filter;            // the filter button
  // Renumbers the remaining points after one was deleted (inside the delete's transaction).
  std::function<void(kit::data::Dataset& points)> renumberPoints;

  void showPage(int index);
  void openDuplicatePanel();
  void closeDuplicatePanel();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  virtual void beforeShowing() {}

 private:
  void followMaster();
  void removeMasterWithPoints(kit::data::Dataset& master);
  void removePoint(kit::data::Dataset& points);
  ListPanel& activeList() const;

  Variant variant_;
  ListPanel* master_ = nullptr;
  ListPanel* points_ = nullptr;
  QString nameColumn_, masterParam_, masterColumn_;
};

// The three variants by their names.
class TFormSablon03 : public MasterPointsForm {
 public:
  explicit TFormSablon03(QWidget* parent = nullptr) : MasterPointsForm(Variant::Sablon03, parent) {}
};
class TFormSablon04 : public MasterPointsForm {
 public:
  explicit TFormSablon04(QWidget* parent = nullptr) : MasterPointsForm(Variant::Sablon04, parent) {}
};
class TFormSablon7 : public MasterPointsForm {
 public:
  explicit TFormSablon7(QWidget* parent = nullptr) : MasterPointsForm(Variant::Sablon7, parent) {}
};

}  // namespace kit::forms
