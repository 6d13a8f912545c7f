#pragma once
// The parts of reading, writing and maintaining the document that touch
// its lists of articles, invoices, invoice templates, supplier invoices,
// smart folders and payroll payments. Those that name the invoice model are
// defined in Fakturor/FakturorIDokumentet.cpp, so the rest of the model
// builds without it.
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
enum class Fakturakolumn : int64_t;

// Items 23, 29, 30, 31-33, 34 and 67 of the body, in both directions; one
// word of the allowed invoice columns; the user templates.
Fakturakolumn läsFakturakolumn(Inström& ström);
void skrivFakturakolumn(Utström& ström, Fakturakolumn kolumn);
void läsFakturamallar(Inström& ström, Bokföringsbas& bok);
void skrivFakturamallar(Utström& ström, const Bokföringsbas& bok);
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
