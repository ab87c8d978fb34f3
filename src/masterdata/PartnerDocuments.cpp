#include "PartnerDocuments.h"

#include "kit/data/Dataset.h"
#include "kit/report/Elements.h"
#include "kit/text/TextHelpers.h"

namespace masterdata {

using namespace kit::report;

namespace {

using make::computed;
using make::field;
using make::text;

Element rule(double y) {
  return make::hline(y, 183);
}

QString joinedAddress(const RowSource& r) {
  return r.value(QStringLiteral("isz")).toString() + QStringLiteral(", ") +
         r.value(QStringLiteral("telepules")).toString() + QStringLiteral(", ") +
         r.value(QStringLiteral("cim")).toString();
}

// The owner line above, the title, and "n / m" below: the frame of both documents.
Report framedReport(const QString& title, const session::OwnerData& owner) {
  Report r;
  r.pageHeader = Band{
      22,
      {text(session::ownerLine(owner), {0, 0, 183, 5}, 8), rule(6), text(title, {0, 9, 183, 9}, 14, true)}};
  r.pageHeader->elements.back().alignment = Qt::AlignHCenter | Qt::AlignTop;
  Element pages =
      make::pageInfo(QStringLiteral("{page} / {pages}"), {143, 3, 40, 5}, Qt::AlignRight | Qt::AlignTop);
  pages.font.pointSize = 8;
  r.pageFooter = Band{10, {rule(1), pages}};
  return r;
}

}  // namespace

QStringList partnerListQuery(bool contractedOnly) {
  QStringList lines{QStringLiteral("select nev, isz, telepules, cim"), QStringLiteral("from partner")};
  if (contractedOnly) lines.append(QStringLiteral("where szerzodeses=true"));
  lines.append(QStringLiteral("order by nev"));
  return lines;
}

Document partnerListDocument(RowSource& partners, const session::OwnerData& owner) {
  Report r = framedReport(QStringLiteral("Partnerek listája"), owner);
  r.rows = &partners;
  // The running number of the row (1., 2., ...): rows are numbered in the order printed.
  auto number = std::make_shared<int>(0);
  r.title = Band{0, {}, {}, [number] {
                   *number = 0;
                   return true;
                 }};
  r.detail =
      Band{12,
           {computed([number](const RowSource&) { return QString::number(++*number) + QLatin1Char('.'); },
                     {0, 1, 10, 5}, true),
            text(QStringLiteral("Partner neve:"), {10, 1, 28, 5}),
            field(QStringLiteral("nev"), {38, 1, 145, 5}, true),
            text(QStringLiteral("Címe:"), {10, 6, 28, 5}), computed(joinedAddress, {38, 6, 145, 5})}};
  return Document{QStringLiteral("Partnerek listája"), {r}};
}

Document partnerDataDocument(RowSource& partners, const session::OwnerData& owner) {
  Report r = framedReport(QStringLiteral("Partner adatai"), owner);
  r.rows = &partners;
  const auto line = [](const QString& caption, double y, Element value) {
    return std::vector<Element>{text(caption, {0, y, 40, 5}), value};
  };
  Band sheet;
  sheet.height = 58;
  const std::vector<std::pair<QString, Element>> lines = {
      {QStringLiteral("Partner neve:"), field(QStringLiteral("nev"), {40, 0, 143, 5}, true)},
      {QStringLiteral("Címe:"), computed(joinedAddress, {40, 0, 143, 5})},
      {QStringLiteral("Telefon"), field(QStringLiteral("telefon"), {40, 0, 143, 5})},
      {QStringLiteral("Fax:"), field(QStringLiteral("fax"), {40, 0, 143, 5})},
      {QStringLiteral("Vezető neve:"), field(QStringLiteral("vezeto"), {40, 0, 143, 5})},
      {QStringLiteral("E-mail:"), field(QStringLiteral("email"), {40, 0, 143, 5})},
      {QStringLiteral("Üzemorvos neve:"), field(QStringLiteral("orvos_nev"), {40, 0, 143, 5})},
      {QStringLiteral("TEÁOR szám:"), field(QStringLiteral("teaor"), {40, 0, 143, 5})},
      {QStringLiteral("KSH szám:"), field(QStringLiteral("ksh"), {40, 0, 143, 5})},
  };
  double y = 2;
  for (const auto& [caption, value] : lines) {
    Element placed = value;
    placed.rect.moveTop(y);
    for (Element& e : line(caption, y, placed)) sheet.elements.push_back(e);
    y += 5.5;
  }
  sheet.elements.push_back(text(QStringLiteral("Egyéb feljegyzések:"), {0, y, 40, 5}));
  Element notes = field(QStringLiteral("feljegyzes"), {40, y, 143, 5});
  notes.stretch = true;
  sheet.elements.push_back(notes);
  sheet.elements.push_back(rule(y + 7));
  sheet.height = y + 9;
  r.detail = sheet;
  return Document{QStringLiteral("Partner adatai"), {r}};
}

QStringList trainingDueQuery() {
  return {QStringLiteral("select *"), QStringLiteral("from telephely"),
          QStringLiteral("where (datum_moktdat is not null) and"),
          QStringLiteral("(datum_moktdat + 365 <= :ma )"), QStringLiteral("order by nev")};
}

Document trainingDueDocument(RowSource& sites, const session::OwnerData& owner) {
  const QString title = QStringLiteral("Időszakos munkavédelmi oktatás");
  Report r = framedReport(title, owner);
  r.rows = &sites;
  auto number = std::make_shared<int>(0);
  r.title = Band{0, {}, {}, [number] {
                   *number = 0;
                   return true;
                 }};
  r.detail =
      Band{17,
           {computed([number](const RowSource&) { return QString::number(++*number) + QLatin1Char('.'); },
                     {0, 1, 10, 5}, true),
            text(QStringLiteral("Telephely neve:"), {10, 1, 54, 5}),
            field(QStringLiteral("nev"), {64, 1, 119, 5}, true),
            text(QStringLiteral("Címe:"), {10, 6, 54, 5}), computed(joinedAddress, {64, 6, 119, 5}),
            text(QStringLiteral("Utolsó munkavédelmi oktatás:"), {10, 11, 54, 5}),
            field(QStringLiteral("datum_moktdat"), {64, 11, 119, 5})}};
  return Document{title, {r}};
}

namespace {

// The fixed paragraphs of the data-protection letter.
const QStringList& gdprParagraphs() {
  static const QStringList paragraphs = {
      QStringLiteral(
          "Az Európai Parlament és a Tanács (EU) 2016/679 rendelete (általános adatvédelmi rendelet, GDPR) "
          "2018. május 25-től kötelezően alkalmazandó minden olyan szervezetre, amely természetes személyek "
          "személyes adatait kezeli. A rendelet szerint az adatkezelőnek tájékoztatnia kell az érintetteket "
          "arról, hogy mely adataikat, milyen célból, milyen jogalapon és mennyi ideig kezeli."),
      QStringLiteral(
          "Cégünk a megbízási szerződés alapján munkavédelmi szolgáltatást nyújt Önöknek: "
          "kockázatértékelést, "
          "munkavédelmi oktatást, munkaeszközök időszakos biztonsági felülvizsgálatát, valamint a "
          "munkabalesetek "
          "kivizsgálását és nyilvántartását végzi. Ehhez a munkavállalók egyes személyes adatait kezelnünk "
          "kell, kizárólag a munkavédelemről szóló 1993. évi XCIII. törvényben előírt feladatok ellátása "
          "céljából."),
      QStringLiteral(
          "Az adatokat zárt, jogosultsággal védett nyilvántartásban tároljuk, harmadik félnek csak "
          "jogszabályi "
          "kötelezettség alapján (például hatósági megkeresésre) adjuk át, és a jogszabályban előírt "
          "megőrzési "
          "idő letelte után töröljük. Az érintett munkavállalók kérhetik adataik megismerését, "
          "helyesbítését, "
          "kezelésük korlátozását, és panasszal fordulhatnak a Nemzeti Adatvédelmi és Információszabadság "
          "Hatósághoz."),
      QStringLiteral("A szolgáltatás során a munkavállalók következő adatait kezeljük:"),
  };
  return paragraphs;
}

const QStringList& gdprDataItems() {
  static const QStringList items = {
      QStringLiteral("Munkavállaló neve"),
      QStringLiteral("Munkavállaló születési neve"),
      QStringLiteral("Munkavállaló születési helye"),
      QStringLiteral("Munkavállaló születési ideje"),
      QStringLiteral("Anyja neve"),
      QStringLiteral("Lakcíme irányítószámmal"),
      QStringLiteral("TAJ száma"),
      QStringLiteral("Munkaköre/foglalkozása"),
      QStringLiteral("Telefonszáma"),
  };
  return items;
}

// "Szeged, 2026. 12. 11. ": month and day without a leading zero.
QString letterDate(const QString& town, const QDate& date) {
  return town + QStringLiteral(", ") + QString::number(date.year()) + QStringLiteral(". ") +
         QString::number(date.month()) + QStringLiteral(". ") + QString::number(date.day()) +
         QStringLiteral(". ");
}

Report gdprLetter(const RowSource& partner, const session::OwnerData& owner, const QString& signerPosition,
                  const QDate& date) {
  const auto value = [&partner](const char* column) {
    return partner.value(QLatin1String(column)).toString();
  };
  Band page;
  page.keepTogether = false;
  double y = 0;
  const auto add = [&](Element e, double advance) {
    e.rect.moveTop(y);
    page.elements.push_back(e);
    y += advance;
  };
  const auto paragraph = [&](const QString& content, double lines) {
    Element e = text(content, {0, 0, 183, 4.6 * lines});
    e.stretch = true;
    add(e, 4.6 * lines + 2.5);
  };
  add(text(owner.nev, {0, 0, 183, 5}, 10, true), 5);
  add(text(QStringLiteral("Telefon: ") + owner.telefon, {0, 0, 183, 5}), 5);
  add(text(owner.isz + QStringLiteral(", ") + owner.telepules + QStringLiteral(", ") + owner.cim,
           {0, 0, 183, 5}),
      14);
  add(text(value("nev"), {0, 0, 183, 5}, 10, true), 5);
  add(text(value("isz") + QStringLiteral(", ") + value("telepules") + QStringLiteral(", ") + value("cim"),
           {0, 0, 183, 5}),
      12);
  add(text(QStringLiteral("Tárgy: ") + QStringLiteral("Adatkezelési tájékoztató, hozzájárulás"),
           {0, 0, 183, 5}, 9, true),
      10);
  add(text(QStringLiteral("Tisztelt Szerződött Partner!"), {0, 0, 183, 5}), 8);
  const QStringList& paragraphs = gdprParagraphs();
  for (int i = 0; i < paragraphs.size(); ++i) paragraph(paragraphs[i], i + 1 < paragraphs.size() ? 4 : 1);
  const QStringList& items = gdprDataItems();
  for (int i = 0; i < items.size(); ++i)
    add(text(QString::number(i + 1) + QStringLiteral(".	") + items[i], {8, 0, 175, 5}), 4.8);
  add(text(QStringLiteral("10. Baleset során elszenvdett sérülések"), {8, 0, 175, 5}), 4.8);
  add(text(QStringLiteral("11. Balesethez kapcsolódó tényállások, tanuvallomások"), {8, 0, 175, 5}), 8);
  add(text(QStringLiteral("Telefon elérhetőség: ") + owner.telefon, {0, 0, 183, 5}), 10);
  add(text(QStringLiteral("Kelt:"), {0, 0, 15, 5}), 0);
  add(text(letterDate(owner.telepules, date), {15, 0, 100, 5}), 14);
  add(text(QStringLiteral("P.H."), {20, 0, 30, 5}), 0);
  Element ownerName = text(owner.nev, {110, 0, 73, 5});
  ownerName.alignment = Qt::AlignHCenter | Qt::AlignTop;
  add(ownerName, 18);
  add(text(QStringLiteral("Az adatkezelési tájékoztatót átvettem, az adatkezeléshez hozzájárulok:"),
           {0, 0, 183, 5}),
      16);
  for (const QString& line :
       {value("vezeto"), value("vezetomegsz"), QStringLiteral("Céges aláírás "), signerPosition}) {
    Element e = text(line, {110, 0, 73, 5});
    e.alignment = Qt::AlignHCenter | Qt::AlignTop;
    add(e, 5);
  }
  page.height = y;
  Report r;
  r.detail = page;
  return r;
}

}  // namespace

Document gdprLetterDocument(RowSource& partners, const session::OwnerData& owner,
                            const QString& signerPosition, const QDate& date) {
  Document document{QStringLiteral("GDPR partnereknek"), {}};
  for (int row = 0; row < partners.rowCount(); ++row) {
    partners.moveTo(row);
    document.reports.push_back(gdprLetter(partners, owner, signerPosition, date));
  }
  return document;
}

PartnerRows::PartnerRows(kit::data::Dataset& dataset, bool allRows)
    : dataset_(dataset), all_(allRows), home_(dataset.currentRow()) {}

int PartnerRows::rowCount() const {
  return all_ ? dataset_.recordCount() : (home_ >= 0 ? 1 : 0);
}

void PartnerRows::moveTo(int row) {
  dataset_.moveTo(all_ ? row : home_);
}

QVariant PartnerRows::value(const QString& field) const {
  return dataset_.hasField(field) ? dataset_.value(field) : QVariant();
}

}  // namespace masterdata
