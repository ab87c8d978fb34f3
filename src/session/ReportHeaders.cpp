#include "ReportHeaders.h"

#include <QFileInfo>

#include "core/DM.h"
#include "kit/sys/ProgramFolder.h"
#include "kit/text/TextHelpers.h"

namespace session {

QString ownerLine(const OwnerData& o) {
  return o.nev + QStringLiteral(",  Cím: ") + o.isz + QStringLiteral(", ") + o.telepules +
         QStringLiteral(", ") + o.cim + QStringLiteral(",  Tel.: ") + o.telefon;
}

QString taxNumberLine(const OwnerData& owner, bool adoszamSwitch, TaxNumberRule rule) {
  const bool print = rule == TaxNumberRule::PrintWhenSwitchOn ? adoszamSwitch : !adoszamSwitch;
  return print ? QStringLiteral("Adószám: ") + owner.adoszam : QString();
}

QString addressLine(const AddressData& a) {
  return a.isz + QStringLiteral(", ") + a.telepules + QStringLiteral(", ") + a.cim;
}

QString telephoneLine(const AddressData& a) {
  return QStringLiteral("Telefon: ") + a.telefon;
}

QString activityLine(const AddressData& a) {
  return QStringLiteral("TEAOR szám: ") + a.teaor;
}

QString yearLine(const QDate& date) {
  return date.isValid()
             ? QString::number(date.year()).rightJustified(4, QLatin1Char('0')) + QStringLiteral(". évi")
             : QString();
}

QString placeAndDateLine(const QString& place, const QDate& date) {
  return place + QStringLiteral(", ") + kit::text::dateAsText(date);
}

namespace {

// A picture of the program folder; a null image when the file is missing or no picture.
QImage pictureFile(const QString& relativeName) {
  const QString path = kit::sys::programFile(relativeName);
  if (!QFileInfo(path).isFile()) return {};
  return QImage(path);
}

}  // namespace

QImage certificationPicture(bool logoSwitch, const QString& ownerTaxNumber) {
  if (!logoSwitch || ownerTaxNumber.isEmpty()) return {};
  for (const char* extension : {".bmp", ".png", ".jpg"}) {
    const QImage image = pictureFile(QStringLiteral("ISOPic/") + ownerTaxNumber + QLatin1String(extension));
    if (!image.isNull()) return image;
  }
  return {};
}

QImage signaturePicture(bool userStempli, const QString& stempliName) {
  if (!userStempli || stempliName.trimmed().isEmpty()) return {};
  return pictureFile(QStringLiteral("Stempli/") + stempliName.trimmed());
}

DefenceHeader defenceHeader(bool mhSwitch, const QString& partnerName, const QString& recordNumber,
                            const QString& copyNumber) {
  DefenceHeader h;
  h.partnerName = partnerName;
  if (!mhSwitch) return h;
  h.shown = true;
  h.recordNumberLine = QStringLiteral("Nyt. szám: ") + recordNumber;
  h.copyLine = copyNumber.trimmed() + QStringLiteral(". számú példány");
  static const QString forces = QStringLiteral("MAGYAR HONVÉDSÉG");
  const qsizetype at = kit::text::hungarianUpper(partnerName).indexOf(forces);
  if (at >= 0) {
    // The unit name after the words "Magyar Honvédség", under the caption.
    h.caption = true;
    h.partnerName = partnerName.mid(at + forces.size()).trimmed();
  }
  return h;
}

OwnerData readOwner(core::TDM& dm) {
  kit::data::Dataset& owner = dm.ZQueryTulajdonos();
  if (!owner.isOpen()) owner.open();
  if (owner.isEmpty()) return {};
  const auto text = [&owner](const char* column) { return owner.text(QLatin1String(column)); };
  return {text("nev"), text("isz"), text("telepules"), text("cim"), text("telefon"), text("adoszam")};
}

}  // namespace session
