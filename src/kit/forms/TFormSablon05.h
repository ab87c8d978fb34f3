#pragma once

#include <QDialog>
#include <memory>

#include "ListPanel.h"

namespace kit::forms {

class PageSwitcher;

// Template of a list with further pages: the list on the first page "Törzsadatok <F9>" of a
// flat-button page control, the window's own pages after it; F9 goes to the next page.
class TFormSablon05 : public QDialog {
  Q_OBJECT
 public:
  explicit TFormSablon05(QWidget* parent = nullptr);

  void setup(std::unique_ptr<kit::data::Dataset> query, const std::vector<ListPanel::GridColumn>& columns,
             const std::vector<FieldSpec>& fields, const QString& searchColumn);
  // Adds a page after the list; returns its index.
  int addPage(const QString& caption, QWidget* page);

  ListPanel& list() const { return *list_; }
  kit::data::Dataset& query() const { return list_->query(); }

  QWidget* PanelClient = nullptr;
  PageSwitcher* PageControl = nullptr;
  QWidget* DBNavPanel = nullptr;

  void showPage(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  virtual void beforeShowing() {}

 private:
  ListPanel* list_ = nullptr;
};

// Template of the spreadsheet exchange windows: a list (not paged) with "Exportálás
// indítása" and a hidden "Importálás indítása".
class TFormSablon06 : public QDialog {
  Q_OBJECT
 public:
  explicit TFormSablon06(QWidget* parent = nullptr);
  void setup(std::unique_ptr<kit::data::Dataset> query, const std::vector<ListPanel::GridColumn>& columns);

  ListPanel& list() const { return *list_; }
  kit::data::Dataset& query() const { return list_->query(); }
  QPushButton* ButtonExport = nullptr;  // "Exportálás indítása"
  QPushButton* ButtonImport = nullptr;  // "Importálás indítása", hidden unless the window shows it

  std::function<void()> startExport;
  std::function<void()> startImport;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ListPanel* list_ = nullptr;
};

}  // namespace kit::forms
