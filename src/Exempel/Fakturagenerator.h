#pragma once
// Realistic invoices made from a seed, for checking every template against
// data of the kind real firms have: a Swedish sender invoicing firms (or, for
// ROT and RUT, households) of twenty-five countries, with their legal forms,
// names with particles, hyphens and the letters of Europe's Latin alphabets,
// long compound words, c/o, postbox and attention lines, one to six lines
// of street, delivery addresses abroad, references, orders with projects,
// delivery terms with Incoterms, VAT numbers, e-mail and web addresses,
// IBANs and banks, credit terms and messages in the caption language,
// reminders, ROT and RUT, 1 to 45 items, every fact and way of payment on
// or off, and user templates with fields of many sizes. A seed gives the
// same document on every machine: the sequence is splitmix64, drawn from
// in a fixed order.
//
// Each seed gives its invoice twice, with the same facts, ways of payment,
// items and shape: once with its texts at their ordinary length, once with
// some or all of them as long as real registers hold (a firm name up to 160
// characters), so a check can compare the two field by field.
#include "Exempel/Exempelprofiler.h"
#include "Modell/Bokforing.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Consecutive seeds take every template, then every language: the
// template is seed % 38 (the 37 built-in ones in registry order, then a
// user template made for the seed), the caption language (seed / 38) % 10.
inline constexpr uint64_t antalGeneratorMallar = 38;
inline constexpr uint64_t antalGeneratorSpråk = 10;

// The template's code, or "user".
std::string genereradMall(uint64_t frö);
// The caption language; Norwegian as "nb" and "no" in turn.
std::string genereratSpråk(uint64_t frö);

// The document whose latest sent invoice is the seed's, at long or
// ordinary lengths.
std::unique_ptr<Bokföring> genereradBokföring(uint64_t frö, bool långa);

// Invoice `nummer` of the ordinary corpus: the generator's invoice of that
// seed at ordinary lengths, with 1 to 40 items, no, a short or a long
// message, a PNG logo on every third round of templates and a credit
// invoice (every quantity negative) on every fifth. For comparing the
// layout of two builds on the invoices users have.
std::unique_ptr<Bokföring> korpusBokföring(uint64_t nummer);

// The texts the seed's invoice carries, at both lengths: what each is, and
// the text as given (lines separated by '\n'). Texts the invoice adds itself
// (captions, dates, amounts) are not among them; the recipient's and the
// delivery address's country lines are, as the view names the countries.
std::vector<Profilfält> genereradeFält(uint64_t frö);
