#pragma once
// Helpers for record tests: write a record, read it back, and check that
// every truncation of a record is refused with a thrown error.
#include "Modell/Referenser.h"
#include "Modell/SkadatDokument.h"
#include "Plattform/Bytes.h"
#include "Strommar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace postprov {

template <class T>
Bytes skriv(const T& objekt) {
    Utström ström;
    objekt.spara(ström);
    return ström.take();
}

// Reads one record and checks that it used every byte.
template <class T>
std::unique_ptr<T> läs(const Bytes& bytes, const Referenser& ref = {}) {
    Inström ström(bytes);
    auto objekt = std::make_unique<T>(ström, ref);
    EXPECT_TRUE(ström.atEnd()) << "record left " << ström.remaining() << " bytes unread";
    return objekt;
}

// Reads back what `objekt` writes and checks the bytes written again are
// the same. Returns the object read.
template <class T>
std::unique_ptr<T> tillOchTillbaka(const T& objekt, const Referenser& ref = {}) {
    Bytes första = skriv(objekt);
    auto läst = läs<T>(första, ref);
    EXPECT_EQ(skriv(*läst), första);
    return läst;
}

// Every proper prefix of a record must be refused by a thrown error.
template <class T>
void varjeAvklippKastar(const Bytes& bytes, const Referenser& ref = {}) {
    for (size_t n = 0; n < bytes.size(); ++n) {
        Inström ström(std::span(bytes.data(), n));
        try {
            T objekt(ström, ref);
            ADD_FAILURE() << "a record cut after " << n << " of " << bytes.size() << " bytes was accepted";
        } catch (const FormatError&) {
        } catch (const SkadatDokument&) {
        }
    }
}

// Byte builder for expected records.
struct Bygg {
    Utström u;
    Bygg& i64(int64_t v) { u.writeInt64(v); return *this; }
    Bygg& byte(uint8_t v) { u.u8(v); return *this; }
    Bygg& text(const std::optional<std::string>& s) { u.writeString(s); return *this; }
    Bygg& data(const std::optional<Bytes>& d) { u.writeData(d); return *this; }
    Bygg& dec(const std::optional<Decimal>& d) { u.writeDecimalNumber(d); return *this; }
    Bytes bytes() const { return u.bytes(); }
};

// A decimal value from mantissa and exponent, built from its stored form
// so the tests do not depend on the arithmetic.
inline Decimal dec(uint64_t mantissa, int exponent = 0, bool negative = false) {
    Decimal::Stored b{};
    int längd = 0;
    for (uint64_t m = mantissa; m; m >>= 16) ++längd;
    uint32_t w0 = uint8_t(int8_t(exponent)) | uint32_t(längd) << 8 | uint32_t(negative) << 12 | 1u << 13;
    for (int i = 0; i < 4; ++i) b[i] = uint8_t(w0 >> (8 * i));
    for (int i = 0; i < 4; ++i) {
        b[4 + 2 * i] = uint8_t(mantissa >> (16 * i));
        b[5 + 2 * i] = uint8_t(mantissa >> (16 * i + 8));
    }
    return Decimal::fromStored(b);
}

}  // namespace postprov
