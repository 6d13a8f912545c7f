#include "Fillagring.h"

#include "Komprimering.h"
#include "Plattform/Lzfse/Lzfse.h"
#include "Strommar.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace {

constexpr size_t huvudetsLängd = 24;

[[noreturn]] void fel(Filformatsfel fall, const std::string& detalj) { throw FilformatsfelUndantag(fall, detalj); }

[[noreturn]] void skadad(const std::string& detalj) { fel(Filformatsfel::kundeIntePackaUpp, detalj); }

[[noreturn]] void inteEnBokfil(const std::string& detalj) {
    fel(Filformatsfel::inteEnBokföringsfilFrånVersion7, detalj);
}

}  // namespace

Bokfilshuvud läsBokfilshuvud(std::span<const uint8_t> fil) {
    ByteReader r(fil);
    // The magic number decides first, whatever else the file holds.
    if (r.remaining() < 4) inteEnBokfil("the file is shorter than a magic number");
    if (r.u32() != bokfilensMagiskaTal) inteEnBokfil("the file does not start with the magic number");
    if (r.remaining() < 4) inteEnBokfil("the file ends inside the header");

    Bokfilshuvud huvud;
    huvud.version = r.u32();
    if (huvud.version >= förstaOläsbaraVersion)
        fel(Filformatsfel::förGammalVersion, "version " + std::to_string(huvud.version) + " is newer than this program reads");
    if (fil.size() < huvudetsLängd) inteEnBokfil("the file ends inside the header");

    huvud.kroppslängd = r.i64();
    // An empty body is refused as well: no encoder output decodes to nothing.
    if (huvud.kroppslängd < 1 || huvud.kroppslängd > störstaKropp)
        skadad("implausible body length " + std::to_string(huvud.kroppslängd));

    int64_t förhandsvisningensLängd = r.i64();
    if (förhandsvisningensLängd < 0 || static_cast<uint64_t>(förhandsvisningensLängd) > r.remaining())
        skadad("preview length " + std::to_string(förhandsvisningensLängd) + " does not fit in the file");
    huvud.förhandsvisning = r.take(static_cast<size_t>(förhandsvisningensLängd));
    huvud.komprimeradKropp = r.take(r.remaining());
    return huvud;
}

namespace {
std::optional<Bytes> läsLogotyp(const Bokfilshuvud& huvud) {
    try {
        Inström förhandsvisning(huvud.förhandsvisning);
        return förhandsvisning.optionalData();
    } catch (const FormatError& e) {
        skadad(std::string("the logo in the preview block is damaged: ") + e.what());
    }
}
}  // namespace

Bokfil läsBokfil(std::span<const uint8_t> fil) {
    Bokfilshuvud huvud = läsBokfilshuvud(fil);

    Bokfil bokfil;
    bokfil.version = huvud.version;
    bokfil.logotyp = läsLogotyp(huvud);

    std::optional<Bytes> kropp;
    try {
        kropp = dekomprimerad(huvud.komprimeradKropp, huvud.kroppslängd);
    } catch (const std::exception&) {
        // Whatever stops the decoder (damage, a size it cannot allocate)
        // means the body does not decompress.
    }
    if (!kropp) skadad("the body does not decompress");
    // A stream that decodes to another size than the header promises is as
    // damaged as one that does not decode at all.
    if (kropp->size() != static_cast<uint64_t>(huvud.kroppslängd))
        skadad("the body decodes to " + std::to_string(kropp->size()) + " bytes, the header says " +
               std::to_string(huvud.kroppslängd));
    bokfil.kropp = std::move(*kropp);
    return bokfil;
}

// The decoder behind the body's reader. Whatever stops it (damage, a size it
// cannot allocate) means the body does not decompress; once stopped it stays
// stopped.
class Bokfilsläsare::Källa : public ByteSource {
public:
    Källa(std::span<const uint8_t> komprimerad, size_t längd, Indataslut läst)
        : komprimerad_(komprimerad), avkodare_(komprimerad, längd), läst_(std::move(läst)) {}

    std::span<const uint8_t> view(size_t offset, size_t need) override {
        auto utsnitt = skyddat([&] { return avkodare_.view(offset, need); });
        // Told a quarter megabyte at a time: often enough to matter, seldom
        // enough to cost nothing.
        if (läst_ && avkodare_.inputDone() >= rapporterat_ + (size_t(1) << 18)) {
            rapporterat_ = avkodare_.inputDone();
            läst_(komprimerad_.data() + rapporterat_);
        }
        return utsnitt;
    }
    void läsKlart() {
        skyddat([&] {
            avkodare_.finish();
            return 0;
        });
    }

private:
    template <class F>
    auto skyddat(F steg) -> decltype(steg()) {
        if (stoppad_) skadad("the body does not decompress");
        try {
            return steg();
        } catch (const std::exception&) {
            stoppad_ = true;
        }
        skadad("the body does not decompress");
    }

    std::span<const uint8_t> komprimerad_;
    lzfse::WindowedDecoder avkodare_;
    Indataslut läst_;
    size_t rapporterat_ = 0;
    bool stoppad_ = false;
};

Bokfilsläsare::Bokfilsläsare(std::span<const uint8_t> fil, Indataslut läst) {
    Bokfilshuvud huvud = läsBokfilshuvud(fil);
    version_ = huvud.version;
    logotyp_ = läsLogotyp(huvud);
    const size_t längd = static_cast<size_t>(huvud.kroppslängd);
    källa_ = std::make_unique<Källa>(huvud.komprimeradKropp, längd, std::move(läst));
    kropp_ = std::make_unique<Inström>(*källa_, längd);
}

Bokfilsläsare::~Bokfilsläsare() = default;

void Bokfilsläsare::läsKlart() { källa_->läsKlart(); }

Förhandsvisning läsFörhandsvisning(std::span<const uint8_t> block) {
    Inström ström(block);
    Förhandsvisning f;
    f.logotyp = ström.optionalData();
    f.namn = ström.string();
    f.organisationsnummer = ström.string();
    f.senasteVerifikationsdatum = ström.int64();
    f.störstaFakturaordningstal = ström.int64();
    return f;
}

namespace {

// How much of the body is gathered before it is handed to the encoder.
constexpr size_t kroppsbit = size_t(1) << 18;

// Hands the body on to the encoder, refusing one too large to store before
// it has all been made.
class Kroppsmätare : public ByteSink {
public:
    explicit Kroppsmätare(lzfse::StreamEncoder& vidare) : vidare_(vidare) {}
    void write(std::span<const uint8_t> bytes) override {
        längd_ += bytes.size();
        if (längd_ > static_cast<uint64_t>(störstaKropp)) throw Sparfel("the document body is too large to store");
        try {
            vidare_.write(bytes);
        } catch (const std::length_error&) {
            // The encoder could not make room for that much here.
            throw Sparfel("the document body is too large to store");
        }
    }
    size_t längd() const { return längd_; }

private:
    lzfse::StreamEncoder& vidare_;
    size_t längd_ = 0;
};

Bytes förhandsblock(const Förhandsvisning& förhandsvisning) {
    Utström block;
    block.writeData(förhandsvisning.logotyp);
    block.writeString(förhandsvisning.namn);
    block.writeString(förhandsvisning.organisationsnummer);
    block.writeInt64(förhandsvisning.senasteVerifikationsdatum);
    block.writeInt64(förhandsvisning.störstaFakturaordningstal);
    return block.take();
}

}  // namespace

Bytes skrivBokfil(uint32_t version, const Kroppsskrivare& skrivKropp,
                  const std::function<Förhandsvisning()>& förhandsvisning) {
    // The body, a piece at a time, into `sink`.
    auto skrivIn = [&](ByteSink& sink) {
        Utström kropp(sink, kroppsbit);
        skrivKropp(kropp);
        kropp.flush();
    };
    lzfse::StreamEncoder kodare;
    Kroppsmätare mätare(kodare);
    skrivIn(mätare);
    const size_t längd = mätare.längd();
    if (längd == 0) throw Sparfel("an empty document body cannot be stored");
    Bytes komprimerat = kodare.finish();

    // The file replaces the user's only copy, so prove it reads back before
    // handing it out.
    if (!avkodasTill(komprimerat, längd, skrivIn)) throw Sparfel("the compressed document body does not decode back to the body");

    Utström huvud;
    huvud.u32(bokfilensMagiskaTal);
    huvud.u32(version);
    huvud.writeInt64(static_cast<int64_t>(längd));
    huvud.writeData(förhandsblock(förhandsvisning()));
    // The encoder leaves room to spare, so the header usually goes in front
    // without a second copy of the compressed body.
    komprimerat.insert(komprimerat.begin(), huvud.bytes().begin(), huvud.bytes().end());
    return komprimerat;
}

Bytes skrivBokfil(uint32_t version, std::span<const uint8_t> kropp, const Förhandsvisning& förhandsvisning) {
    return skrivBokfil(
        version, [&](Utström& ström) { ström.append(kropp); }, [&] { return förhandsvisning; });
}
