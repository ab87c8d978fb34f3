#include "SharedQueries.h"

namespace core {

QString queryNameOf(const QString& table) {
  QStringList words = table.split(QLatin1Char('_'));
  for (QString& word : words)
    if (!word.isEmpty()) word[0] = word[0].toUpper();
  return QStringLiteral("ZQuery") + words.join(QLatin1Char('_'));
}

QStringList sqlLinesOf(const SharedQuery& query) {
  QStringList lines{QStringLiteral("select *"), QStringLiteral("from ") + query.table};
  if (!query.where.isEmpty()) lines.append(QStringLiteral("where ") + query.where);
  if (!query.orderBy.isEmpty()) lines.append(QStringLiteral("order by ") + query.orderBy);
  return lines;
}

namespace {

void add(std::vector<SharedQuery>& list, const QString& table, const QString& where, const QString& orderBy,
         bool stamped, const QString& name = {}) {
  list.push_back({name.isEmpty() ? queryNameOf(table) : name, table, where, orderBy, stamped});
}

std::vector<SharedQuery> build() {
  std::vector<SharedQuery> list;

  // Code lists and registers read whole, in no particular order.
  for (const char* table : {"fixdata_helyseg",
                            "fixdata_teaor",
                            "alairas",
                            "fixdata_baleset_esemeny",
                            "fixdata_baleset_munkaeszkoz",
                            "fixdata_baleset_munkafolyamat",
                            "fixdata_baleset_munkakornyezet",
                            "fixdata_baleset_anyag",
                            "fixdata_baleset_szemelyitenyezo",
                            "fixdata_baleset_serulesoka",
                            "fixdata_baleset_tevekenyseg",
                            "fixdata_kistersegikodok",
                            "fixdata_serules2005",
                            "fixdata_serult_test",
                            "fixdata_serules_tipusa",
                            "fixdata_baleset2_munkakornyezet",
                            "fixdata_baleset2_munkafolyamat",
                            "fixdata_baleset2_fiztevekenyseg",
                            "fixdata_baleset2_anyag",
                            "fixdata_baleset2_esemeny",
                            "fixdata_baleset2_serules",
                            "fixdata_nuts",
                            "fixdata_helyisegtorzsszam"})
    add(list, QLatin1String(table), {}, {}, true);

  // The session's own tables, not stamped.
  add(list, QStringLiteral("kaq_user"), {}, {}, false, QStringLiteral("ZQueryUser"));
  add(list, QStringLiteral("tulajdonos"), {}, {}, false, QStringLiteral("ZQueryTulajdonos"));
  add(list, QStringLiteral("verzio"), {}, {}, false, QStringLiteral("ZQueryVerzio"));
  add(list, QStringLiteral("downserver"), {}, {}, false, QStringLiteral("ZQueryServer_Down"));

  // Catalogues and templates in their order.
  const std::pair<const char*, const char*> ordered[] = {
      {"partner", "nev"},
      {"gep_focsoport", "nev"},
      {"fixdata_szabvany", "szam"},
      {"fixdata_jogszabaly", "szam"},
      {"gep_minta", "nev"},
      {"fixdata_szabvany_csoport", "nev"},
      {"kockazat_minta", "nev"},
      {"fixdata_vegyianyag", "nev"},
      {"fixdata_feor", "szam"},
      {"fixdata_expozicio", "sorszamszov"},
      {"kockazat_pszminta", "nev"},
      {"fixdata_egyenivedelem", "szuloszov"},
      {"karbantartas_minta", "nev"},
      {"fixdata_ewckod", "ewc"},
      {"fixdata_helyisegazonosito", "helyseg"},
      {"fixdata_hkezelesikod", "megnevezes"},
      {"fixdata_hosszetevo", "megnevezes"},
      {"fixdata_hveszelyjel", "megnevezes"},
      {"eve_minta", "feorszoveg"},
  };
  for (const auto& [table, order] : ordered) add(list, QLatin1String(table), {}, QLatin1String(order), true);

  // Registers of the working context (partner :pkod, site :tkod).
  const std::pair<const char*, const char*> context[] = {
      {"gep_munkaeszkoz", "nev"},
      {"gep_jegyzokonyv", "nev"},
      {"gep_uzemeltetes", "gepnev"},
      {"gep_inditas", "gepnev"},
      {"kockazat_felmero", "technologia"},
      {"dolgozo", "nev"},
      {"baleset2013", "datum_baleset, dnev"},
      {"kockazat_elemzes", "nev"},
      {"kockazat_ertekeles", "nev"},
      {"kockazat_pszelemzes", "nev"},
  };
  const auto contextFilter = [](const QString& table) {
    return QStringLiteral("(%1_pkod=:pkod) and (%1_tkod=:tkod)").arg(table);
  };
  for (const auto& [table, order] : context)
    add(list, QLatin1String(table), contextFilter(QLatin1String(table)), QLatin1String(order), true);
  add(list, QStringLiteral("nyomtat_beszallas"), contextFilter(QStringLiteral("nyomtat_beszallas")), {},
      false);

  // Detail rows of one master (:tkod).
  const std::pair<const char*, const char*> details[] = {
      {"gep_mintapont", "szuloszov"},
      {"kockazat_mintapont", "sorszamszov"},
      {"kockazat_pszmintapont", "sorszamszov"},
      {"karbantartas_mintapont", "sorszamszov"},
      {"kockazat_elemzespont", "sorszamszov"},
      {"kockazat_pszelemzespont", "sorszamszov"},
      {"kockazat_felmeropszicho", "szuloszov"},
      {"kockazat_felmerovegyi", "nev"},
      {"kockazat_felmeroeve", "nev"},
      {"kockazat_elemzesvegyi", "nev"},
      {"kockazat_ertekelesosztaly", "feor"},
      {"kockazat_ertekelespontok", "elemzes_kod"},
      {"kockazat_ertekelespszpontok", "pszelemzes_kod"},
  };
  for (const auto& [table, order] : details)
    add(list, QLatin1String(table), QStringLiteral("%1_tkod=:tkod").arg(QLatin1String(table)),
        QLatin1String(order), true);

  // Other filters.
  add(list, QStringLiteral("telephely"), QStringLiteral("telephely_pkod=:parampkod"),
      QStringLiteral("telephely_kod asc"), true);
  add(list, QStringLiteral("partner_kapcsolat"), QStringLiteral("partner_kapcsolat_pkod=:pkod"),
      QStringLiteral("nev"), true);
  add(list, QStringLiteral("gep_focsoportpont"), QStringLiteral("(gep_focsoportpont_gpont=:gkod)"),
      QStringLiteral("sorszamszov"), true);
  add(list, QStringLiteral("gep_jegyzokonyvpont"), QStringLiteral("(gep_jegyzokonyvpont_jkod=:jkod)"),
      QStringLiteral("gep_jegyzokonyvpont_kod"), true);
  add(list, QStringLiteral("fixdata_pszichoalap"), QStringLiteral("(fixdata_pszichoalap_kod=:pkod)"),
      QStringLiteral("szuloszov"), true);
  add(list, QStringLiteral("dolgozo_feor"), QStringLiteral("(dolgozo_feor_dkod=:dkod)"),
      QStringLiteral("feor"), true);
  add(list, QStringLiteral("kockazat_ertekelesexpozicio"),
      QStringLiteral("(kockazat_ertekelesexpozicio_tkod=:tkod) and (kockazat_ertekelesexpozicio_okod=:okod)"),
      QStringLiteral("sorszamszov"), true);
  return list;
}

}  // namespace

const std::vector<SharedQuery>& sharedQueries() {
  static const std::vector<SharedQuery> list = build();
  return list;
}

}  // namespace core
