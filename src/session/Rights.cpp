#include "Rights.h"

namespace session {

const std::vector<Right>& rights() {
  static const std::vector<Right> table = {
      {"u_tulajdonos", {}, {"ActionTulajdonos"}},
      {"u_partner", "Partner felvétele", {"ActionPartner"}},
      {"u_dolgozo", "Dolgozó felvétele", {"ActionDolgozo"}},
      {"u_munkaeszkoz", "Munkaeszköz felvétele", {"ActionGepek", "ActionGep_Export", "ActionGep_Import"}},
      {"u_gepvizsgalat",
       "Gépvizsgálat felvétele",
       {"ActionGep_Minta", "ActionGep_SZJCsere", "ActionGep_MintaCsoport", "ActionGep_Jegyzokonyv",
        "ActionGep_Uzembehelyezes", "ActionGep_Inditas", "ActionGep_Lekerdezes", "ActionGep_Lista",
        "ActionGep_Utemterv"}},
      {"u_kockazat",
       "Kockázatelemzés felvétele",
       {"ActionKockazat_Minta", "ActionKockazat_Tipusok", "ActionKockazat_Felmerok", "ActionKockazat_Elemzes",
        "ActionKockazat_Ertekeles", "ActionKockazat_PszMinta", "ActionKockazat_PszVizsgalat",
        "ActionKockazat_Fogeg"}},
      {"u_karbantartas",
       "Karbantartás felvétele",
       {"ActionKarbantartas_Minta", "ActionKarbantartas", "ActionKarbantartas_Knaplo",
        "ActionKarbantartas_Export", "ActionKarbantartas_Import"}},
      {"u_hulladek", "Hulladék kezelés", {"ActionHulladek", "ActionHulladek_Adatlapok"}},
      {"u_alairas", "Aláírások felvétele", {"ActionAlairas"}},
      {"u_jogszabaly", "Jogszabály felvétele", {"ActionJogszabaly"}},
      {"u_szabvany", "Szabvány felvétele", {"ActionSzabvany", "ActionSzabvanyCsoport"}},
      {"u_vegyi", "Vegyi anyagok felvétele", {"ActionVegyianyag"}},
      {"u_import", "Adatok importálása", {"ActionTableImport"}},
      {"u_kaqimport", "KAQ2004 adatbázis importálása", {"ActionKaq2004"}},
      {"u_backup", "Biztonsági mentés végzése", {"ActionBackup"}},
      {"u_baleset", "Munkabaleset felvétele", {"ActionBaleset"}},
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
  (superuser ? result.enabled : result.disabled).append(QStringLiteral("ActionUser"));
  result.enabled.append(QStringLiteral("ActionOptions"));
  return result;
}

}  // namespace session
