// The recipient block, and what a template puts on the last page only.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Adress.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/UnicodeText.h"

namespace {

// "?" is what an unnamed contact is called; it is no name to print.
bool användbartNamn(const std::optional<std::string>& namn) { return namn && !namn->empty() && *namn != "?"; }

}  // namespace

std::optional<std::string> Fakturavy::företagOchAdress() const {
    std::optional<std::string> namn;
    if (användbartNamn(f.företag()))
        namn = f.företag();
    else if (användbartNamn(f.erReferens()))
        namn = f.erReferens();

    std::vector<std::string> rader;
    auto adress = f.mottagaradress();
    // The address's attention line already names the person.
    bool somAttention = namn && adress && adress->attention && canonicallyEqual(*adress->attention, *namn);
    if (namn && !somAttention) rader.push_back(*namn);
    if (adress) {
        std::string formaterad = adress->formatteradFörAvsändarland(b.adress.land, true);
        if (!formaterad.empty()) rader.push_back(std::move(formaterad));
    }
    if (rader.empty()) return std::nullopt;
    std::string block = rader.front();
    for (size_t i = 1; i < rader.size(); ++i) block += std::string(lineSeparator) + rader[i];
    return block;
}

void Fakturavy::läggTillInnehållPåSistaSidan(std::vector<CachatObjekt> objekt,
                                             std::optional<Rect> medVittPåÖvrigaSidor) {
    if (innehållFörVarjeSida.empty()) return;
    if (!följesedel) {
        auto& sista = innehållFörVarjeSida.back();
        sista.insert(sista.end(), std::make_move_iterator(objekt.begin()), std::make_move_iterator(objekt.end()));
    }
    // The white goes under each earlier page's own rows, not over them: it
    // is there to hide what the background and the objects of every page
    // show in that area until the last page.
    if (medVittPåÖvrigaSidor && innehållFörVarjeSida.size() >= 2) {
        for (size_t sida = 0; sida + 1 < innehållFörVarjeSida.size(); ++sida) {
            auto& lista = innehållFörVarjeSida[sida];
            lista.insert(lista.begin(), CachatObjekt(*medVittPåÖvrigaSidor, Color::white()));
        }
    }
}
