#pragma once
// An invoice with long values against the same invoice with ordinary ones,
// field by field, on what their PDFs' pages show (mupdf's trace of the
// drawing, clips included):
//  - every text the template shows with ordinary values is drawn as often
//    with long ones, every word whole, showing, with no ellipsis;
//  - no word is set over another (dot leaders aside) that was not so with
//    ordinary values;
//  - no word comes nearer the paper's edge than 6 points (the legibility
//    check's margin for text) that did not with ordinary values;
//  - no word the ordinary invoice shows (captions, dates, amounts) is gone;
//  - no text is set below 70 % of the size it has with ordinary values;
//  - what `mutool draw -F txt` and `pdftotext` take from the PDF holds
//    every word drawn of every text, and no character of private use.
// A user template's fields are frames the user drew: there a long text may
// be set smaller, down to 70 % of its field's size, and then cut with an
// ellipsis, but nothing is drawn outside its field or over another.
#include "Faltfynd.h"
#include "Ritadtext.h"

#include "Exempel/Exempelprofiler.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Bokföring;

namespace fältjämförelse {

// A PDF's pages as drawn, with their words' keys, and the file.
struct Läsning {
    std::filesystem::path fil;
    std::vector<pdfkontroll::RitadSida> ritade;
    std::vector<fältfynd::Sida> sidor;
    // What the laid-out view does against the rooms its layout declared
    // (Rumskontroll.h).
    std::vector<std::string> rumsfel;

    Läsning(std::filesystem::path f, std::vector<pdfkontroll::RitadSida> r);
    Läsning(const Läsning&) = delete;
};

// One fault: its kind, the same for the same fault on any invoice (for
// counting), and what it is on this one.
struct Fel {
    std::string slag;
    std::string text;
};

// A user template's field as the page has it: its frame (top down) and
// the size its style sets.
struct Egetfält {
    Rect ram;
    double storlek;
};

// The latest invoice of `bok`, through the document's bytes as the tool
// reads them, laid out as the tool lays it out and written to `fil`; the
// fields of its user template, if it has one, into `egna`.
std::unique_ptr<Läsning> skrivSenaste(const Bokföring& bok, const std::filesystem::path& fil,
                                      std::vector<Egetfält>* egna = nullptr);

// What the invoice with long values does wrong against the one with
// ordinary values, and what the ordinary one lacks already ("ordinary
// values: ..."), in a built-in template (`egna` empty) or in a user
// template of these fields. `allt`: with the size and extraction checks.
std::vector<Fel> brister(const Läsning& kort, const Läsning& lång, const std::vector<Profilfält>& fälten,
                           const std::vector<Egetfält>& egna = {}, bool allt = true);

}  // namespace fältjämförelse
