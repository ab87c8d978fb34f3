#include "PartnerDocuments.h"

#include "kit/data/Dataset.h"
#include "kit/report/Elements.h"

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
