#include "Messages.h"

#include "MessageService.h"
#include "kit/data/DbError.h"

namespace kit::ui {

void warnRequiredField(const QString& label) {
  warn(QStringLiteral("A(z) ") + label + QStringLiteral(" nem maradhat üresen!"));
}

bool confirmDelete() {
  return ask(QStringLiteral("Végrehajtható a törlés?"));
}

void refusePendingEdit() {
  warn(kit::data::pendingEditMessage(), warningTitleExclaimed());
}

void showError(const kit::data::DbError& error) {
  if (error.message() == kit::data::pendingEditMessage()) {
    refusePendingEdit();
    return;
  }
  warn(error.message());
}

}  // namespace kit::ui
