#include "Modell/Fakturor/Stil.h"

#include "Plattform/Typedstream.h"

Stil::Stil(const Font& typsnitt, TextAlignment justering, std::optional<Color> färg) : justering(justering) {
    sättTypsnitt(typsnitt);
    sättFärg(färg);
}

Stil::Stil(Inström& ström, const Referenser&) {
    typsnittsarkiv_ = ström.data();
    if (auto t = unarchiveFont(typsnittsarkiv_)) {
        typsnitt_ = std::move(*t);
    } else {
        typsnitt_ = Font::standard();
        typsnittErsatt_ = true;
    }
    färgarkiv_ = ström.optionalData();
    if (färgarkiv_) {
        if (auto f = unarchiveColor(*färgarkiv_)) {
            färg_ = *f;
        } else {
            färg_ = Color::black();
            färgErsatt_ = true;
        }
    }
    justering = static_cast<TextAlignment>(ström.int64());
}

void Stil::spara(Utström& ström) const {
    ström.writeData(typsnittsarkiv_);
    ström.writeData(färgarkiv_);
    ström.writeInt64(static_cast<int64_t>(justering));
}

void Stil::sättTypsnitt(const Font& typsnitt) {
    typsnitt_ = typsnitt;
    typsnittsarkiv_ = archiveFont(typsnitt);
    typsnittErsatt_ = false;
}

void Stil::sättFärg(std::optional<Color> färg) {
    färg_ = färg;
    färgarkiv_ = färg ? std::optional<Bytes>(archiveColor(*färg)) : std::nullopt;
    färgErsatt_ = false;
}

TextAttributes Stil::attribut() const {
    TextAttributes a;
    if (justering != TextAlignment::left) {
        ParagraphStyle stycke;
        stycke.alignment = justering;
        a.paragraphStyle = stycke;
    }
    a.foregroundColor = färg_;
    a.font = typsnitt_;
    return a;
}
