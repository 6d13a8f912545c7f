// The README's tables of the import's keys against the keys the importer
// really reads: every key looked up, object by object, while imports that
// take every path run, must be listed in its section's table, and every
// listed key must be looked up.
#include "Exempel/Exempelbokforing.h"
#include "Kommandorad/JsonImport.h"
#include "Kommandorad/JsonLasare.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace {

using Nycklar = std::map<std::string, std::set<std::string>>;

// The keys in the first column of each table whose heading row starts
// "| SECTION key |" (a cell may name several, each in backticks), by
// section.
Nycklar readmensNycklar() {
    std::ifstream in(std::filesystem::path(KONTOBOK_SOURCE_DIR) / "README.md");
    Nycklar ut;
    std::string rad, sektion;
    while (std::getline(in, rad)) {
        if (!rad.starts_with("|")) {
            sektion.clear();
            continue;
        }
        const size_t slut = rad.find(" key |");
        if (slut != std::string::npos && rad.find('|', 1) == slut + 5) {
            sektion = rad.substr(2, slut - 2);
            continue;
        }
        if (sektion.empty() || !rad.starts_with("| `")) continue;
        const std::string ruta = rad.substr(1, rad.find('|', 1) - 1);
        for (size_t från = ruta.find('`'); från != std::string::npos;) {
            const size_t slut = ruta.find('`', från + 1);
            if (slut == std::string::npos) break;
            ut[sektion].insert(ruta.substr(från + 1, slut - från - 1));
            från = ruta.find('`', slut + 1);
        }
    }
    return ut;
}

// The section of each object of an import's input, by where it stands.
class Sektioner {
public:
    explicit Sektioner(JsonVärde rot) {
        objekt_.push_back({rot, "top-level"});
        lägg(rot, "entries", "entry");
        lägg(rot, "customers", "customer");
        lägg(rot, "invoices", "invoice");
        for (const auto& [v, s] : std::vector(objekt_)) {
            if (s == "entry") lägg(v, "transactions", "transaction");
            if (s == "invoice") {
                lägg(v, "items", "item");
                if (auto avdrag = v.medlem("skatteavdrag")) objekt_.push_back({*avdrag, "skatteavdrag"});
            }
        }
    }

    std::string av(JsonVärde objekt) const {
        for (const auto& [v, s] : objekt_)
            if (v.sammaSom(objekt)) return s;
        return "unknown";
    }

private:
    void lägg(JsonVärde i, const char* nyckel, const char* sektion) {
        if (auto lista = i.medlem(nyckel))
            for (JsonVärde e : lista->element()) objekt_.push_back({e, sektion});
    }
    std::vector<std::pair<JsonVärde, std::string>> objekt_;
};

TEST(Importnycklar, TheReadmeTablesNameExactlyTheKeysTheImporterReads) {
    Exempelval val;
    val.antalKontakter = 3;
    val.antalSkickadeFakturor = 1;
    val.allaPostformer = true;
    const auto dokument = byggExempelbokföring(val);

    // Each import takes the paths of one kind of object to the end: an
    // entry with every key, a customer, an invoice in the ledger's currency
    // with a deduction, and one in another currency.
    const std::vector<std::string> importer = {
        R"({"entries":[{"description":"A","date":"2026-03-01","comment":"c","pending":true,)"
        R"("transactions":[{"account":1930,"amount":"0","tags":"P1"}]}],"customers":[{"name":"N"}],)"
        R"("invoices":[{"date":"2026-03-01","items":[{"description":"x"}],)"
        R"("skatteavdrag":{"type":"RUT","personnummer1":"19700101-1234"}}]})",
        R"({"invoices":[{"recipient":"1","date":"2026-03-01","currency":"EUR","exchange rate":"10","items":[]}]})",
    };
    Nycklar lästa;
    for (const std::string& text : importer) {
        auto json = läsJson(Bytes(text.begin(), text.end()));
        ASSERT_TRUE(json) << text;
        const Sektioner sektioner(json->rot());
        json->följLäsningar([&](JsonVärde objekt, std::string_view nyckel) {
            lästa[sektioner.av(objekt)].insert(std::string(nyckel));
        });
        try {
            importera(json->rot(), *dokument, [](std::string_view) {});
        } catch (const JSONImportfel&) {
            // What is read before a refusal at the end counts as well.
        }
    }
    const Nycklar listade = readmensNycklar();
    EXPECT_EQ(listade.size(), 7u);
    EXPECT_EQ(lästa, listade);
}

}  // namespace
