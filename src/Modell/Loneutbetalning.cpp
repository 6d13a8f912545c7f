#include "Modell/Loneutbetalning.h"

Löneutbetalning::Löneutbetalning(Inström& ström, const Referenser&) {
    skattetabell = ström.int64();
    datum = Datum(ström.int64());
    bruttolön = ström.decimalNumber();
    skatt = ström.decimalNumber();
    arbetsgivaravgift = ström.decimalNumber();
    // The record holds the last two amounts in the reverse of their order here.
    lönekostnad = ström.decimalNumber();
    avgift = ström.decimalNumber();
    ström.int64();  // closing word
}

void Löneutbetalning::spara(Utström& ström) const {
    ström.writeInt64(skattetabell);
    ström.writeInt64(datum.d);
    ström.writeDecimalNumber(bruttolön);
    ström.writeDecimalNumber(skatt);
    ström.writeDecimalNumber(arbetsgivaravgift);
    ström.writeDecimalNumber(lönekostnad);
    ström.writeDecimalNumber(avgift);
    ström.writeInt64(0);
}

bool operator==(const Löneutbetalning& a, const Löneutbetalning& b) {
    return a.skattetabell == b.skattetabell && a.datum == b.datum && a.bruttolön == b.bruttolön &&
           a.skatt == b.skatt && a.arbetsgivaravgift == b.arbetsgivaravgift;
}
