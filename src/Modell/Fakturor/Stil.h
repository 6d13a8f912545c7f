#pragma once
// The text style of a template field: font, alignment and optional colour.
// Documents hold the font and colour as archived objects of the platform
// they were written on. We keep those bytes as read and write them back
// unchanged, and draw with what we can decode from them; an archive we
// cannot decode is drawn with a standard font (or black) rather than
// making the document unloadable, since the bytes themselves are kept.
#include "Modell/Referenser.h"
#include "Plattform/Bytes.h"
#include "Plattform/Font.h"
#include "Strommar.h"

#include <optional>

class Stil : public Sparbar {
public:
    // A new style; its font and colour are archived here.
    Stil(const Font& typsnitt, TextAlignment justering, std::optional<Color> färg = std::nullopt);
    Stil(Inström& ström, const Referenser& ref);

    // Record: font archive as data, colour archive as data or the word -1,
    // alignment word. No closing word.
    void spara(Utström& ström) const override;

    const Font& typsnitt() const { return typsnitt_; }
    // None: the default text colour.
    const std::optional<Color>& färg() const { return färg_; }
    TextAlignment justering = TextAlignment::left;

    void sättTypsnitt(const Font& typsnitt);
    void sättFärg(std::optional<Color> färg);

    // True when the stored archive could not be decoded and a standard
    // font (or black) stands in for it.
    bool typsnittErsatt() const { return typsnittErsatt_; }
    bool färgErsatt() const { return färgErsatt_; }

    const Bytes& typsnittsarkiv() const { return typsnittsarkiv_; }
    const std::optional<Bytes>& färgarkiv() const { return färgarkiv_; }

    // What a field's text is drawn with: a paragraph style only when the
    // alignment is not left, the colour only when there is one, the font.
    TextAttributes attribut() const;

private:
    Font typsnitt_;
    std::optional<Color> färg_;
    Bytes typsnittsarkiv_;
    std::optional<Bytes> färgarkiv_;
    bool typsnittErsatt_ = false;
    bool färgErsatt_ = false;
};
