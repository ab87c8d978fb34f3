#pragma once

#include <QString>

namespace kit::data {
class DbError;
}

namespace kit::ui {

// The program's standing messages, shown through the message service.

// "A(z) " + label + " nem maradhat üresen!" for a required field left empty.
void warnRequiredField(const QString& label);
// "Végrehajtható a törlés?"; true for yes.
bool confirmDelete();
// "Az adatok még szerkesztés alatt vannak. Először rögzítsük!" for a command during an edit.
void refusePendingEdit();
// An error of the database layer: the server's message (or the program's own check).
void showError(const kit::data::DbError& error);

}  // namespace kit::ui
