#include "Modell/Fakturor/Fakturaliknande.h"

#include <gtest/gtest.h>

#include <type_traits>

// The interfaces stand on their own: the invoice classes that implement them
// come later, and the layout engine must be able to hold either kind.
static_assert(std::is_abstract_v<Fakturaliknande>);
static_assert(std::is_abstract_v<Fakturapostliknande>);
static_assert(std::has_virtual_destructor_v<Fakturaliknande>);
static_assert(std::has_virtual_destructor_v<Fakturapostliknande>);

namespace {

class Post : public Fakturapostliknande {
public:
    Decimal momssats() const override { return Decimal(); }
    Decimal momsbelopp() const override { return Decimal(); }
    Decimal beloppExklMoms() const override { return Decimal(); }
    Decimal belopp() const override { return Decimal(); }
    Decimal pris() const override { return Decimal(); }
    Decimal antal() const override { return Decimal(); }
    std::optional<std::string> enhet() const override { return "st"; }
    std::optional<std::string> artikelnamn() const override { return "Skruv"; }
    std::optional<std::string> artikelnummer() const override { return std::nullopt; }
    std::optional<std::string> kommentar() const override { return std::nullopt; }
    Decimal prisInklMoms() const override { return Decimal(); }
    std::optional<std::string> rabattbeskrivning() const override { return std::nullopt; }
};

}  // namespace

TEST(Fakturapostliknande, IsReadThroughTheBase) {
    Post post;
    const Fakturapostliknande& p = post;
    EXPECT_TRUE(p.belopp().isZero());
    EXPECT_EQ(p.artikelnamn(), "Skruv");
}
