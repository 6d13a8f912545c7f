#include "Strommar.h"

#include <string_view>

std::optional<bool> Inström::optionalBool() {
    uint8_t b = u8();
    if (b == 2) return std::nullopt;
    return b == 1;
}

void Inström::throwLength(int64_t längd) const {
    if (längd < 0) throw FormatError("negative length " + std::to_string(längd));
    throw FormatError("length " + std::to_string(längd) + " runs past the end of the data");
}

void Inström::throwCount(int64_t antal) const {
    throw FormatError("list count " + std::to_string(antal) + " is larger than the data left");
}

std::optional<Bytes> Inström::optionalData() {
    auto del = optionalBlock();
    if (!del) return std::nullopt;
    return Bytes(del->begin(), del->end());
}

void Inström::throwMissingData() { throw FormatError("a required byte block is stored as none"); }

Bytes Inström::data() {
    auto del = dataInPlace();
    return Bytes(del.begin(), del.end());
}

void Inström::throwInvalidUtf8() { throw FormatError("a stored text is not valid UTF-8"); }

std::optional<std::string> Inström::optionalString() {
    std::optional<std::string> text;
    optionalStringInto(text);
    return text;
}

std::string Inström::string() { return std::string(textInPlace()); }

void Inström::throwMissingText() { throw FormatError("a required text is stored as none"); }

Decimal Inström::decimalNumber() {
    auto d = optionalDecimalNumber();
    if (!d) throw FormatError("a required decimal number is stored as none");
    return *d;
}

namespace {
std::span<const uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}
}  // namespace

void Utström::writeBlock(std::optional<std::span<const uint8_t>> block) {
    if (!block) {
        i64(-1);
        return;
    }
    i64(static_cast<int64_t>(block->size()));
    append(*block);
}

void Utström::writeData(const std::optional<Bytes>& data) {
    writeBlock(data ? std::optional(std::span<const uint8_t>(*data)) : std::nullopt);
}

void Utström::writeCompactData(const CompactBytes& data) {
    writeBlock(data ? std::optional(*data) : std::nullopt);
}

void Utström::writeString(const std::optional<std::string>& s) {
    writeBlock(s ? std::optional(bytesOf(*s)) : std::nullopt);
}

void Utström::writeText(const CompactText& s) { writeBlock(s ? std::optional(bytesOf(*s)) : std::nullopt); }
void Utström::writeRequiredText(std::string_view s) { writeBlock(bytesOf(s)); }

void Utström::writeDecimalNumber(const std::optional<Decimal>& d) {
    if (!d) {
        u8(0);
        return;
    }
    u8(1);
    append(d->stored());
}
