#pragma once

#include <QColor>
#include <QString>

namespace kit::data {
class Dataset;
}

namespace kit::forms {

// The colours every window takes from the settings.
struct FormColors {
  QColor form;       // window background
  QColor panel;      // panels
  QColor grid;       // grid background
  QColor gridTitle;  // grid title row
  QColor dbNav;      // command bar
};

// What the window templates need from the running program: the settings' colours and page
// size, the process-wide paging-off flag, the data module's row count, page clause and audit
// stamp, and the current user's rights. The data module installs it at start-up.
class FormEnvironment {
 public:
  virtual ~FormEnvironment() = default;
  virtual FormColors colors() const = 0;
  virtual int rowsPerPage() const = 0;
  virtual bool pagingOff() const = 0;
  virtual void setPagingOff(bool off) = 0;
  virtual int rowCount(const kit::data::Dataset& dataset) = 0;
  virtual void pageClause(kit::data::Dataset& dataset, int pageIndex, bool pagingOff) = 0;
  virtual void auditStamp(kit::data::Dataset& dataset) = 0;
  // Whether the current user has the right (a u_ column of the user row); superusers have all.
  virtual bool hasRight(const QString& right) = 0;
};

// The installed environment; throws std::logic_error when there is none.
FormEnvironment& formEnvironment();
FormEnvironment* installedFormEnvironment();
void setFormEnvironment(FormEnvironment* environment);

}  // namespace kit::forms
