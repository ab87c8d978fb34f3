#include "Rights.h"

namespace session {

const std::vector<Right>& rights() {
  static const std::vector<Right> table = {
      {"u_tulajdonos", {}, {"Tulajdonos"}},
      {"u_partner", "Partner felvétele", {"Partner"}},
      {"u_dolgozo", "Dolgozó felvétele", {"Dolgozó"}},
      {"u_munkaeszkoz", "Munkaeszköz felvétele", {"Gépek/eszközök adatai", "Gép export", "Gép import"}},
      {"u_gepvizsgalat",
       "Gépvizsgálat felvétele",
       {"Minta", "SZJ csere", "Minta csoport felvétele", "Jegyzők...", "Üzembehelyezés", "Indítás",
        "Lekérdezések", "Gépek/eszközök listázása", "Ütemterv"}},
      {"u_kockazat",
       "Kockázatelemzés felvétele",
       {" Minta", "Típusok", "Felmérők", "   Elemzés   ", "Értékelés", "Psz. Minta", "Psz. vizsg.", "Fogeg"}},
      {"u_karbantartas",
       "Karbantartás felvétele",
       {"K. Minta", "K. ütemterv", "Karbantartás", "Minta Export", "Minta import"}},
      {"u_hulladek", "Hulladék kezelés", {"   Felvétel  ", "Adatlapok"}},
      {"u_alairas", "Aláírások felvétele", {"Aláírások"}},
      {"u_jogszabaly", "Jogszabály felvétele", {"Jogszabály"}},
      {"u_szabvany", "Szabvány felvétele", {"Szabvány", "Szabvány csoportok"}},
      {"u_vegyi", "Vegyi anyagok felvétele", {"Vegyi a."}},
      {"u_import", "Adatok importálása", {"Tábla import"}},
      {"u_kaqimport", "KAQ2004 adatbázis importálása", {"KAQ2004 importálás"}},
      {"u_backup", "Biztonsági mentés végzése", {"Biztonsági mentés"}},
      {"u_baleset", "Munkabaleset felvétele", {"Munkabaleset felvétele"}},
      {"u_csere", "Partner csere lehetősége", {}},
      {"u_feor", "FEOR számok felvétele", {}},
      {"u_teaor", "TEAOR számok felvétele", {}},
  };
  return table;
}

EnabledActions enabledActions(bool superuser, const std::function<bool(const QString& column)>& flag) {
  EnabledActions result;
  for (const Right& right : rights()) {
    const bool on = superuser || flag(right.column);
    (on ? result.enabled : result.disabled) += right.actions;
  }
  (superuser ? result.enabled : result.disabled).append(QStringLiteral("Felhasználó"));
  result.enabled.append(QStringLiteral("Beállítások"));
  return result;
}

}  // namespace session
