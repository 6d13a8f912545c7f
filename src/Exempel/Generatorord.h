#pragma once
// The word lists the invoice generator (Fakturagenerator.h) draws from:
// per country what its firms, people, streets, banks and numbers are
// called and how they are written; per caption language what an
// invoice's facts say. Data only: the generator decides how they combine.
#include <string_view>
#include <vector>

namespace generatorord {

using Lista = std::vector<const char*>;

struct Ort {
    const char* postnummer;
    const char* namn;
    const char* region;  // a province or county where the post prints one (Spain, Italy, Ireland), else ""
};

struct Bank {
    const char* kort;  // as people say it
    const char* lång;  // as the register has it
    const char* bic;
};

struct Landsord {
    const char* kod;     // the stored country code
    const char* valuta;  // what its firms are invoiced in
    const char* språk;   // the caption language its customers read
    const char* och;     // "and" in firm names
    Lista bolagsformer;       // as firms write them with their names
    Lista långaBolagsformer;  // the longer forms real names carry
    bool formFörst = false;   // the form before the name: "SIA Rīgas Būvniecība"
    Lista förnamn, efternamn;
    Lista partiklar;   // before a surname; may be empty
    Lista titlar;      // before a name on a letter; may be empty
    Lista branscher;   // trades, many of them long compounds
    Lista ortled;      // places and areas firms are named after
    Lista gator;       // street names without their numbers
    std::vector<Ort> orter;
    // The street line, "{gata}" the street and "{nummer}" its number:
    // "{nummer} Baker Street", "{gata} nr. {nummer}".
    const char* gatuform = "{gata} {nummer}";
    const char* postbox;    // with %d for the box number
    const char* co;         // "c/o" or its local form
    const char* attention;  // before a name or department
    Lista avdelningar;      // departments and receiving points
    Lista husled;           // building, floor and door lines
    // '#' a digit, anything else as it stands.
    Lista momsmönster;
    // The IBAN after country and check digits: '9' a digit, 'A' a letter.
    const char* ibanmönster;
    std::vector<Bank> banker;
    const char* toppdomän;
};

struct Språkord {
    const char* kod;
    const char* faktura;  // the title a user template prints
    Lista meningar;       // sentences of a message
    const char* kortMeddelande;
    Lista villkor;        // sentences of credit terms
    Lista transportörer;  // carriers with their services
    Lista leveransvillkor;  // a delivery term's words, with %s for the Incoterm and %s for the place
    const char* beställning;  // "purchase order" before its number
    const char* projekt;
    Lista projektnamn;
    const char* etapp;
    Lista tjänster, varor, kommentarer;
    const char* timme;  // the unit of an hour
    const char* styck;  // the unit of a piece
    Lista eposter;      // the local part of an invoicing address
};

const std::vector<Landsord>& länder();
const std::vector<Språkord>& språken();
const Landsord& land(std::string_view kod);
const Språkord& språk(std::string_view kod);  // "no" reads as "nb"

}  // namespace generatorord
