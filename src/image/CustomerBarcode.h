#pragma once

// The data of the postal customer barcode (カスタマバーコード): the 7-digit
// postal code followed by the address-display number, which Japan Post's
// postal code and barcode manual extracts from the part of the address
// after the town name (住所B). Where its rules do not settle a case (a
// character they do not name, kanji numerals that are no number), the
// address is refused with a message rather than guessed.

#include <QChar>
#include <QString>

namespace porkane {

// The address-display number of 住所B, e.g. "3-20-5B604" for
// "東3丁目-20-5 郵便・A&bコーポB604号". Empty when 住所B holds no number.
// Throws UserError for an address the rules do not settle.
QString addressDisplayNumber(const QString &addressB);

// "263-0023", "2630023" or in full-width digits: the seven digits.
// Throws UserError for anything else.
QString normalisedPostcode(const QString &postcode);

// The data cut to 20 digits, a letter counting as two (a control code and
// a digit). When the cut falls inside a letter, the manual keeps that
// letter's control code as the 20th digit: `danglingLetter` is that letter
// and `data` ends before it.
struct CustomerDataCut {
    QString data;
    QChar danglingLetter;
};
CustomerDataCut cutCustomerData(const QString &uncut);

// The barcode data for a postal code and 住所B: e.g. "26300233-30-8-403".
// Throws UserError when the postal code is not one, is a representative
// code (ending in 00, which gets no customer barcode), when the address is
// refused, or when the cut leaves a letter's control code alone at the 20th
// digit (the manual keeps it; zint cannot draw a lone control code).
QString customerBarcodeData(const QString &postcode, const QString &addressB);

} // namespace porkane
