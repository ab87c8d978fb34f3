#pragma once

#include <QDate>
#include <QImage>
#include <QString>

namespace core {
class TDM;
}

namespace session {

// The header blocks every printed document shares, built from the owner, the partner and the
// site of the document.

struct OwnerData {
  QString nev, isz, telepules, cim, telefon, adoszam;
};

// The owner row of the data module (reopened when closed); empty fields when it is missing.
OwnerData readOwner(core::TDM& dm);

struct AddressData {
  QString isz, telepules, cim, telefon, teaor;
};

// "<name>,  Cím: <postal code>, <town>, <street>,  Tel.: <telephone>"
QString ownerLine(const OwnerData& owner);

// Which documents print the tax number: the risk evaluation and the survey sheets print it when
// the Adoszam switch is off; the equipment register sheet and the inspection protocol when on.
enum class TaxNumberRule { PrintWhenSwitchOff, PrintWhenSwitchOn };
// "Adószám: <tax number>", or empty text by the rule.
QString taxNumberLine(const OwnerData& owner, bool adoszamSwitch, TaxNumberRule rule);

QString addressLine(const AddressData& address);                    // "<postal code>, <town>, <street>"
QString telephoneLine(const AddressData& address);                  // "Telefon: <telephone>"
QString activityLine(const AddressData& address);                   // "TEAOR szám: <code>"
QString yearLine(const QDate& date);                                // "2013. évi"
QString placeAndDateLine(const QString& place, const QDate& date);  // "Szeged, 2013. 05. 07."

// The quality-certification picture: with the Logo switch on, ISOPic/<tax number>.bmp of the
// program folder (also .png or .jpg of the same name); a null image (nothing printed) when the
// switch is off, the file is missing or it is not a picture.
QImage certificationPicture(bool logoSwitch, const QString& ownerTaxNumber);

// The user's hand-signature picture: Stempli/<file name> when the user's u_stempli is true.
QImage signaturePicture(bool userStempli, const QString& stempliName);

// The Defence Forces header of a document.
struct DefenceHeader {
  bool shown = false;        // the record number and copy lines
  bool caption = false;      // the "Magyar Honvédség" caption
  QString partnerName;       // the name as printed
  QString recordNumberLine;  // "Nyt. szám: <number>"
  QString copyLine;          // "<copy>. számú példány"
};
DefenceHeader defenceHeader(bool mhSwitch, const QString& partnerName, const QString& recordNumber,
                            const QString& copyNumber);

}  // namespace session
