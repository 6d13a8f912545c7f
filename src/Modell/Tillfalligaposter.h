#pragma once
// Placeholders for element types whose records are being built elsewhere;
// the document refuses any body that holds one of them.
#include "Modell/Datum.h"
#include "Modell/NumreratObjekt.h"

class Affärskontakt;

class Artikel : public NumreratObjekt {};
class EjRegistreradLeverantörsfaktura : public NumreratObjekt {};
class Leverantörsfaktura : public NumreratObjekt {
public:
    Datum datum;
    Affärskontakt* avsändare = nullptr;
};
class SmartMapp {};
class Löneutbetalning {};
