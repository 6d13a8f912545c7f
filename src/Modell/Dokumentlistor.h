#pragma once
// The parts of reading, writing and maintaining the document that touch
// its lists of articles, invoices, supplier invoices, smart folders and
// payroll payments, kept in one place because the invoice records are not
// part of this build yet: the unsent and sent invoice lists are read only
// when empty, and a document that holds an invoice is refused with a clear
// message instead of being misread. The invoice model completes the
// functions below that name invoices (and defines `EjSkickadFaktura` and
// `Faktura` in place of the empty definitions in Dokumentlistor.cpp).
#include "Modell/Datum.h"
#include "Modell/Referenser.h"
#include "Strommar.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

class Bokföringsbas;
class Bokföring;
class Affärskontakt;
class Verifikation;

// Items 23, 29, 30, 31-33, 34 and 67 of the body, in both directions.
void läsArtiklar(Inström& ström, const Referenser& ref, Bokföringsbas& bok);
void skrivArtiklar(Utström& ström, const Bokföringsbas& bok);
void läsEjSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok);
void skrivEjSkickadeFakturor(Utström& ström, const Bokföringsbas& bok);
void läsSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok);
void skrivSkickadeFakturor(Utström& ström, const Bokföringsbas& bok);
void läsLeverantörsfakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok);
void skrivLeverantörsfakturor(Utström& ström, const Bokföringsbas& bok);
void läsSmartaMappar(Inström& ström, const Referenser& ref, Bokföringsbas& bok);
void skrivSmartaMappar(Utström& ström, const Bokföringsbas& bok);
void läsLöneutbetalningar(Inström& ström, const Referenser& ref, Bokföring& bok);
void skrivLöneutbetalningar(Utström& ström, const Bokföring& bok);

// The links the reader makes after reading: each sent invoice to its
// template (after item 30), each unsent invoice to its template, its items
// and the document (after the body).
void länkaSkickadeFakturorTillMallar(Bokföringsbas& bok);
void länkaEjSkickadeFakturor(Bokföringsbas& bok);

// Gives each sent invoice that counts in the receivables its changes.
void tillämpaKundfordringsändringar(Bokföringsbas& bok, const std::vector<Verifikation*>& kandidater);

// The greatest ordinal of the sent invoices; 0 when there are none.
int64_t störstaFakturaordningstal(const Bokföringsbas& bok);

// The contacts that received a sent invoice or sent a supplier invoice
// dated on or after `gräns`.
std::unordered_set<const Affärskontakt*> kontakterMedAktivitetSedan(const Bokföringsbas& bok, Datum gräns);
// Masks what the sent invoices to `kontakt` show of it.
void maskeraFakturorTill(Bokföringsbas& bok, const Affärskontakt& kontakt, bool företagMaskerat, const std::string& mask);
