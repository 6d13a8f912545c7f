#pragma once
// The payment codes as images: the invoice model says what they hold, the
// code generators of the drawing side draw them.
#include "Modell/Datum.h"
#include "Modell/Fakturor/QRkod.h"
#include "Plattform/Ritning/Bild.h"
#include "Plattform/Decimal.h"

#include <string>
#include <string_view>

class Bokföring;
class Fakturaliknande;

// The QR code of the payload, each module 5 × 5 pixels. Never fails: when
// the payload cannot be made or does not fit in a QR symbol, the result is
// the warning icon instead.
Bild qrkodFörFaktura(const QRkodsuppgifter& uppgifter);

// The Finnish bank barcode text (streckkodssträngMedIBAN) as a Code 128
// barcode image, to be scaled by the caller. Throws FelPåFinsktReferensnummer.
Bild streckkodsbildMedIban(std::string_view iban, const Decimal& attBetala, std::string_view nummer,
                           Datum förfallodatum);

// The invoice's payment codes drawn: its Finnish bank barcode (throws
// FelPåFinsktReferensnummer on bad input) and its QR code.
Bild finskStreckkodsbildMedIban(const Fakturaliknande& faktura, const std::string& iban);
Bild qrkodMedBokföring(const Fakturaliknande& faktura, const Bokföring& bokföring);
