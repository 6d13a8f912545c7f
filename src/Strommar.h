#pragma once
// Record primitives of the document body: how integers, Booleans, strings,
// byte blocks and decimals are written to and read from the memory streams,
// the list record, and the `Sparbar` shape of stored types. They know no
// type of the model: dates and the lookup tables of references are the
// model's (Modell/LagratDatum.h, Modell/Referenser.h).
#include "Plattform/Bytes.h"
#include "Plattform/CompactText.h"
#include "Plattform/Decimal.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Inström : public ByteReader {
public:
    using ByteReader::ByteReader;

    int64_t int64() { return i64(); }
    // A Boolean byte: only 1 is true.
    bool boolByte() { return u8() == 1; }
    // 0 false, 1 true, 2 none; any other byte false.
    std::optional<bool> optionalBool();
    std::optional<std::string> optionalString();
    // The same, read straight into `ut` (which is replaced or emptied):
    // readers of many records skip a temporary per text this way.
    void optionalStringInto(std::optional<std::string>& ut) {
        if (auto text = optionalTextInPlace())
            ut.emplace(*text);
        else
            ut.reset();
    }
    [[gnu::always_inline]] void optionalStringInto(CompactText& ut) {
        if (auto text = optionalTextInPlace())
            ut = CompactText(*text);
        else
            ut.reset();
    }
    // A string that must be present (a stored -1 is a format error).
    std::string string();
    // The same, left in place: valid until the stream's bytes go away.
    std::string_view textInPlace() {
        auto text = optionalTextInPlace();
        if (!text) throwMissingText();
        return *text;
    }
    std::optional<Bytes> optionalData();
    Bytes data();
    // A byte block that must be present, left in place: valid until the
    // stream's bytes go away. Fails as `data` does.
    std::span<const uint8_t> dataInPlace() {
        auto del = optionalBlock();
        if (!del) throwMissingData();
        return *del;
    }
    // Inline: every row holds one.
    std::optional<Decimal> optionalDecimalNumber() {
        if (u8() != 1) return std::nullopt;
        return Decimal::fromStored(take(20).data());
    }
    // A decimal that must be present (flag byte other than 1 is an error).
    Decimal decimalNumber();
    double float64() { return f64(); }

    // Reads a list count; a count below 1 is an empty list. A count larger
    // than the bytes left could hold is a format error.
    int64_t listCount() {
        int64_t antal = i64();
        if (antal < 1) return 0;
        // Every element takes at least one byte, so a larger count cannot be real.
        if (static_cast<uint64_t>(antal) > remaining()) throwCount(antal);
        return antal;
    }

private:
    // A length-prefixed block in place (none for -1), without copying it.
    // Inline, like the counts and dates: a document holds millions of them.
    std::optional<std::span<const uint8_t>> optionalBlock() {
        int64_t längd = i64();
        if (längd == -1) return std::nullopt;
        if (längd < 0 || static_cast<uint64_t>(längd) > remaining()) throwLength(längd);
        return take(static_cast<size_t>(längd));
    }
    // A text in place (none for -1), checked to be UTF-8.
    std::optional<std::string_view> optionalTextInPlace() {
        auto d = optionalBlock();
        if (!d) return std::nullopt;
        if (!isValidUtf8(*d)) throwInvalidUtf8();
        return std::string_view(reinterpret_cast<const char*>(d->data()), d->size());
    }
    [[noreturn]] static void throwMissingData();
    [[noreturn]] static void throwMissingText();
    [[noreturn]] static void throwInvalidUtf8();
    [[noreturn]] void throwCount(int64_t antal) const;
    [[noreturn]] void throwLength(int64_t längd) const;
};

class Utström : public ByteWriter {
public:
    using ByteWriter::ByteWriter;
    void writeInt64(int64_t v) { i64(v); }
    void writeByte(bool v) { u8(v ? 1 : 0); }
    void writeBool(std::optional<bool> v) { u8(v ? (*v ? 1 : 0) : 2); }
    void writeString(const std::optional<std::string>& s);
    void writeText(const CompactText& s);
    void writeRequiredText(std::string_view s);
    void writeCompactData(const CompactBytes& data);
    void writeData(const std::optional<Bytes>& data);
    void writeDecimalNumber(const std::optional<Decimal>& d);
    void writeFloat64(double v) { f64(v); }

private:
    // A length-prefixed block, or -1 for none.
    void writeBlock(std::optional<std::span<const uint8_t>> block);
};

// The protocol of every stored type: a reading constructor taking the
// stream and what has been read of the document so far, and `spara`.
class Sparbar {
public:
    virtual ~Sparbar() = default;
    virtual void spara(Utström& ström) const = 0;
};

template <class T, class A>
void skrivListaMedSparbaraObjekt(Utström& ström, const std::vector<std::unique_ptr<T>, A>& lista) {
    ström.writeInt64(static_cast<int64_t>(lista.size()));
    for (const auto& objekt : lista) objekt->spara(ström);
}

template <class T, class A>
void skrivListaMedSparbaraObjekt(Utström& ström, const std::vector<T, A>& lista) {
    ström.writeInt64(static_cast<int64_t>(lista.size()));
    for (const auto& objekt : lista) objekt.spara(ström);
}

// Appends the elements of a list record to `lista` (not cleared first);
// each element is read with `T(ström, ref)`.
// Room for at most this many elements is made before reading a list: a
// count is not trusted further than that until its elements have been read.
inline constexpr int64_t störstaFörhandsreservation = 4096;

template <class T, class A, class Sammanhang>
void läsInLista(Inström& ström, std::vector<std::unique_ptr<T>, A>& lista, const Sammanhang& ref) {
    int64_t antal = ström.listCount();
    lista.reserve(lista.size() + static_cast<size_t>(std::min(antal, störstaFörhandsreservation)));
    for (int64_t i = 0; i < antal; ++i) lista.push_back(std::make_unique<T>(ström, ref));
}

template <class T, class A, class Sammanhang>
void läsInLista(Inström& ström, std::vector<T, A>& lista, const Sammanhang& ref) {
    int64_t antal = ström.listCount();
    lista.reserve(lista.size() + static_cast<size_t>(std::min(antal, störstaFörhandsreservation)));
    for (int64_t i = 0; i < antal; ++i) lista.emplace_back(ström, ref);
}
