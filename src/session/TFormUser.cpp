#include "TFormUser.h"

#include <QCheckBox>

#include "Rights.h"
#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/data/PgValue.h"
#include "kit/sys/Clock.h"
#include "kit/widgets/MessageService.h"

namespace session {

using kit::data::Dataset;
using kit::forms::FieldSpec;
using C = kit::forms::ListPanel::Command;

TFormUser::TFormUser(core::TDM& dm, QWidget* parent) : TFormSablon02(parent), dm_(dm) {
  setObjectName(QStringLiteral("TFormUser"));
  setWindowTitle(QStringLiteral("Adminisztrátor - Felhasználók karbantartása"));
  auto users = std::make_unique<Dataset>(dm.ZConnection, QStringLiteral("ZQueryUserList"));
  users->setSql(QStringLiteral("SELECT *\nFROM kaq_user\norder by superuser, nev"));
  std::vector<FieldSpec> fields = {
      {.caption = QStringLiteral("Felhasználó neve:"),
       .column = QStringLiteral("nev"),
       .kind = FieldSpec::Kind::Name,
       .required = true},
      {.caption = QStringLiteral("Felhasználói név:"),
       .column = QStringLiteral("felhasznalo"),
       .required = true},
      {.caption = QStringLiteral("Jelszó:"), .column = QStringLiteral("jelszo"), .required = true},
  };
  for (const Right& right : rights())
    if (!right.checkBox.isEmpty())
      fields.push_back({.caption = right.checkBox, .column = right.column, .kind = FieldSpec::Kind::Check});
  fields.push_back({.caption = QStringLiteral("Bejelentkezett felhasználó"),
                    .column = QStringLiteral("login"),
                    .kind = FieldSpec::Kind::Check});
  fields.push_back({.caption = QStringLiteral("Kézjegy elhelyezése a dokumentumokon"),
                    .column = QStringLiteral("u_stempli"),
                    .kind = FieldSpec::Kind::Check});
  fields.push_back({.caption = QStringLiteral("Kézjegy fájl:"), .column = QStringLiteral("stempli_nev")});
  setup(std::move(users),
        {{QStringLiteral("nev"), QStringLiteral("A felhasználó neve"), 260},
         {QStringLiteral("felhasznalo"), QStringLiteral("Felhasználói név"), 0}},
        fields, QStringLiteral("nev"),
        {.paged = false,
         .buttons = {{C::New, QStringLiteral("Új <Ins>"), "ButtonNew"},
                     {C::Post, QStringLiteral("Rögzítés <F2>"), "ButtonPost"},
                     {C::Delete, QStringLiteral("Törlés <Del>"), "ButtonDelete"},
                     {C::Cancel, QStringLiteral("Mégsem <Esc>"), "ButtonCancel"},
                     {C::Refresh, QStringLiteral("Tábla frissítése"), "ButtonRefresh"}}});

  Dataset& q = query();
  q.onNewRecord.add([this](Dataset& d) {
    firstUser_ = d.recordCount() == 1;  // the new row is the only one
    for (int i = 0; i < d.fieldCount(); ++i)
      if (d.field(i).typeOid == kit::data::pgtype::Bool)
        d.setValue(d.field(i).name, false);  // every boolean off
  });
  q.beforePost.add([this](Dataset& d) {
    const bool all = firstUser_ || d.value(QStringLiteral("superuser")).toBool();
    // The logged-in flag is turned on only on the row of the administrator working here, who
    // is logged in anyway: on another administrator's row it would lock that user out of the
    // next login, with no check box left to release it.
    const bool ownRow =
        d.text(QStringLiteral("felhasznalo")).compare(dm_.currentUser, Qt::CaseInsensitive) == 0;
    for (int i = 0; i < d.fieldCount(); ++i) {
      const QString name = d.field(i).name;
      if (all && d.field(i).typeOid == kit::data::pgtype::Bool && (name != QLatin1String("login") || ownRow))
        d.setValue(name, true);
    }
    if (!all) d.setValue(QStringLiteral("superuser"), false);
    if (d.state() == Dataset::State::Insert) d.setValue(QStringLiteral("datum"), kit::sys::Clock::today());
  });
  list().removeRow = [](Dataset& d) {
    if (d.value(QStringLiteral("superuser")).toBool()) {
      kit::ui::warn(QStringLiteral("Az admint nem lehet törölni!"));
      throw kit::data::Abort();
    }
    d.remove();
  };
  list().afterChange = [this] {
    query().refresh();
    dm_.ZQueryUser().close();
    try {
      dm_.ZQueryUser().open();
    } catch (const kit::data::DbError&) {
    }
  };
  q.afterScroll.add([this](Dataset&) { followRow(); });
  q.afterOpen.add([this](Dataset&) { followRow(); });
}

void TFormUser::followRow() {
  // A superuser has every right: its check boxes cannot be changed.
  const Dataset& q = query();
  const bool superuser = q.currentRow() >= 0 && q.value(QStringLiteral("superuser")).toBool();
  for (QCheckBox* box : PanelAlap->findChildren<QCheckBox*>()) box->setEnabled(!superuser);
}

}  // namespace session
