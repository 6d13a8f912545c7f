#include "Plattform/Typedstream.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Stream layout: a header (streamer version, signature, system version),
// then typed-value groups. A group is a type-encoding string followed by one
// value per type. Strings that name types and classes go through a shared
// table; objects, classes and C strings through a second one. Both tables
// are referred back to by number, the first entry being numbered -110.
namespace {

constexpr uint8_t tagInt16 = 0x81;
constexpr uint8_t tagInt32 = 0x82;
constexpr uint8_t tagReal = 0x83;
constexpr uint8_t tagNew = 0x84;
constexpr uint8_t tagNil = 0x85;
constexpr uint8_t tagEndOfObject = 0x86;
constexpr int64_t firstReference = -110;
// Nesting of objects and class chains; real archives of fonts and colours
// stay far below it, a hostile one must not exhaust the stack.
constexpr int maxDepth = 32;
constexpr int64_t systemVersion = 1000;

// Thrown inside the reader when the bytes are not an archive we understand.
struct NotUnderstood {};

struct Value {
    enum class Kind { nil, integer, real, bytes, object, other };
    Kind kind = Kind::nil;
    int64_t integer = 0;
    double real = 0;
    Bytes bytes;
    size_t object = 0;
};

struct Object {
    std::string className;
    std::vector<std::vector<Value>> groups;
};

class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : in_(bytes) {}

    // Reads the header and the first group, which must hold one object.
    size_t readRoot() {
        readHeader();
        auto group = readGroup(in_.u8());
        if (group.size() != 1 || group[0].kind != Value::Kind::object) throw NotUnderstood{};
        return group[0].object;
    }

    const Object& object(size_t index) const { return objects_.at(index); }
    bool bigEndian() const { return bigEndian_; }

private:
    struct Entry {
        enum class Kind { object, klass, cString } kind;
        size_t object = 0;
        std::string name;
    };

    struct DepthGuard {
        explicit DepthGuard(int& depth) : depth_(depth) {
            if (++depth_ > maxDepth) throw NotUnderstood{};
        }
        ~DepthGuard() { --depth_; }
        int& depth_;
    };

    uint64_t unsignedOfSize(size_t size) {
        auto b = in_.take(size);
        uint64_t v = 0;
        for (size_t i = 0; i < size; ++i) v |= uint64_t(b[bigEndian_ ? size - 1 - i : i]) << (8 * i);
        return v;
    }

    void readHeader() {
        uint8_t streamerVersion = in_.u8();
        if (streamerVersion != 3 && streamerVersion != 4) throw NotUnderstood{};
        if (in_.u8() != 11) throw NotUnderstood{};
        auto signature = in_.take(11);
        std::string_view s(reinterpret_cast<const char*>(signature.data()), signature.size());
        if (s == "streamtyped") bigEndian_ = false;
        else if (s == "typedstream") bigEndian_ = true;
        else throw NotUnderstood{};
        integerFrom(in_.u8());
    }

    int64_t integerFrom(uint8_t head) {
        if (head == tagInt16) return static_cast<int16_t>(unsignedOfSize(2));
        if (head == tagInt32) return static_cast<int32_t>(unsignedOfSize(4));
        auto value = static_cast<int8_t>(head);
        if (value < firstReference) throw NotUnderstood{};  // one of the reserved tags
        return value;
    }

    double realFrom(uint8_t head, bool isDouble) {
        if (head != tagReal) return static_cast<double>(integerFrom(head));
        if (isDouble) return std::bit_cast<double>(unsignedOfSize(8));
        return std::bit_cast<float>(static_cast<uint32_t>(unsignedOfSize(4)));
    }

    Bytes lengthPrefixedBytes(uint8_t head) {
        int64_t length = integerFrom(head);
        if (length < 0 || static_cast<uint64_t>(length) > in_.remaining()) throw NotUnderstood{};
        auto b = in_.take(static_cast<size_t>(length));
        return Bytes(b.begin(), b.end());
    }

    size_t referenceIndex(uint8_t head, size_t tableSize) {
        int64_t index = integerFrom(head) - firstReference;
        if (index < 0 || static_cast<uint64_t>(index) >= tableSize) throw NotUnderstood{};
        return static_cast<size_t>(index);
    }

    std::optional<std::string> sharedString(uint8_t head) {
        if (head == tagNil) return std::nullopt;
        if (head == tagNew) {
            Bytes b = lengthPrefixedBytes(in_.u8());
            sharedStrings_.emplace_back(b.begin(), b.end());
            return sharedStrings_.back();
        }
        return sharedStrings_[referenceIndex(head, sharedStrings_.size())];
    }

    // The index of the class in the object table, none for nil.
    std::optional<size_t> klass(uint8_t head) {
        DepthGuard guard(depth_);
        if (head == tagNil) return std::nullopt;
        if (head == tagNew) {
            auto name = sharedString(in_.u8());
            if (!name) throw NotUnderstood{};
            integerFrom(in_.u8());  // class version
            size_t index = table_.size();
            table_.push_back({Entry::Kind::klass, 0, *name});
            klass(in_.u8());  // superclass chain, ended by nil
            return index;
        }
        size_t index = referenceIndex(head, table_.size());
        if (table_[index].kind != Entry::Kind::klass) throw NotUnderstood{};
        return index;
    }

    // The index of the object in `objects_`, none for nil.
    std::optional<size_t> readObject(uint8_t head) {
        DepthGuard guard(depth_);
        if (head == tagNil) return std::nullopt;
        if (head == tagNew) {
            size_t index = objects_.size();
            objects_.emplace_back();
            table_.push_back({Entry::Kind::object, index, {}});
            auto cls = klass(in_.u8());
            if (!cls) throw NotUnderstood{};
            objects_[index].className = table_[*cls].name;
            for (uint8_t h = in_.u8(); h != tagEndOfObject; h = in_.u8()) {
                auto group = readGroup(h);
                objects_[index].groups.push_back(std::move(group));
            }
            return index;
        }
        size_t index = referenceIndex(head, table_.size());
        if (table_[index].kind != Entry::Kind::object) throw NotUnderstood{};
        return table_[index].object;
    }

    std::vector<Value> readGroup(uint8_t head) {
        auto encoding = sharedString(head);
        if (!encoding || encoding->empty()) throw NotUnderstood{};
        std::vector<Value> values;
        size_t p = 0;
        while (p < encoding->size()) values.push_back(readTyped(*encoding, p));
        return values;
    }

    Value readTyped(const std::string& encoding, size_t& p) {
        Value v;
        char type = encoding[p++];
        switch (type) {
        case 'c':
        case 'C':
        case 'B':
            v.kind = Value::Kind::integer;
            v.integer = type == 'c' ? static_cast<int8_t>(in_.u8()) : in_.u8();
            return v;
        case 's': case 'S': case 'i': case 'I': case 'l': case 'L': case 'q': case 'Q':
            v.kind = Value::Kind::integer;
            v.integer = integerFrom(in_.u8());
            return v;
        case 'f':
        case 'd':
            v.kind = Value::Kind::real;
            v.real = realFrom(in_.u8(), type == 'd');
            return v;
        case '@':
            if (auto o = readObject(in_.u8())) {
                v.kind = Value::Kind::object;
                v.object = *o;
            }
            return v;
        case '#':
            v.kind = klass(in_.u8()) ? Value::Kind::other : Value::Kind::nil;
            return v;
        case '%':
        case ':':
            v.kind = sharedString(in_.u8()) ? Value::Kind::other : Value::Kind::nil;
            return v;
        case '+': {
            uint8_t head = in_.u8();
            if (head == tagNil) return v;
            v.kind = Value::Kind::bytes;
            v.bytes = lengthPrefixedBytes(head);
            return v;
        }
        case '*': {
            uint8_t head = in_.u8();
            if (head == tagNil) return v;
            v.kind = Value::Kind::bytes;
            if (head == tagNew) {
                v.bytes = lengthPrefixedBytes(in_.u8());
                table_.push_back({Entry::Kind::cString, 0, std::string(v.bytes.begin(), v.bytes.end())});
            } else {
                size_t index = referenceIndex(head, table_.size());
                if (table_[index].kind != Entry::Kind::cString) throw NotUnderstood{};
                v.bytes.assign(table_[index].name.begin(), table_[index].name.end());
            }
            return v;
        }
        case '[': {
            size_t count = 0;
            size_t digits = 0;
            while (p < encoding.size() && encoding[p] >= '0' && encoding[p] <= '9' && digits < 9) {
                count = count * 10 + size_t(encoding[p++] - '0');
                ++digits;
            }
            // Only arrays of bytes occur in fonts and colours.
            if (digits == 0 || p + 1 >= encoding.size() || (encoding[p] != 'c' && encoding[p] != 'C') ||
                encoding[p + 1] != ']')
                throw NotUnderstood{};
            p += 2;
            if (count > in_.remaining()) throw NotUnderstood{};
            auto b = in_.take(count);
            v.kind = Value::Kind::bytes;
            v.bytes.assign(b.begin(), b.end());
            return v;
        }
        default:
            throw NotUnderstood{};
        }
    }

    ByteReader in_;
    bool bigEndian_ = false;
    int depth_ = 0;
    std::vector<std::string> sharedStrings_;
    std::vector<Entry> table_;
    std::vector<Object> objects_;
};

// A font's name is kept as an old-style binary property list holding one
// string: a type word (6 UTF-16, 5 8-bit), a byte-length word, the text.
std::string nameFromPropertyList(const Bytes& plist, bool bigEndian) {
    if (plist.size() < 8) throw NotUnderstood{};
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v |= uint32_t(plist[at + (bigEndian ? 3 - i : i)]) << (8 * i);
        return v;
    };
    uint32_t type = word(0);
    uint32_t length = word(4);
    if (length > plist.size() - 8) throw NotUnderstood{};
    std::span<const uint8_t> text(plist.data() + 8, length);
    std::string name;
    if (type == 6) {
        bool textBigEndian = bigEndian;
        if (text.size() >= 2 && text[0] == 0xFF && text[1] == 0xFE) {
            textBigEndian = false;
            text = text.subspan(2);
        } else if (text.size() >= 2 && text[0] == 0xFE && text[1] == 0xFF) {
            textBigEndian = true;
            text = text.subspan(2);
        }
        auto utf8 = utf16ToUtf8(text, textBigEndian);
        if (!utf8) throw NotUnderstood{};
        name.assign(utf8->begin(), utf8->end());
    } else if (type == 5) {
        for (uint8_t c : text) appendUtf8(name, c);
    } else {
        throw NotUnderstood{};
    }
    if (name.empty()) throw NotUnderstood{};
    return name;
}

Font fontFrom(const Reader& reader, const Object& font) {
    if (font.className != "NSFont") throw NotUnderstood{};
    std::optional<std::string> name;
    for (const auto& group : font.groups) {
        for (const auto& value : group) {
            if (!name && value.kind == Value::Kind::bytes) {
                name = nameFromPropertyList(value.bytes, reader.bigEndian());
            } else if (name && value.kind == Value::Kind::real) {
                if (!std::isfinite(value.real) || value.real <= 0) throw NotUnderstood{};
                return Font{*name, value.real};
            }
        }
    }
    throw NotUnderstood{};
}

double component(const Value& v) {
    if (v.kind != Value::Kind::real || !std::isfinite(v.real)) throw NotUnderstood{};
    return std::clamp(v.real, 0.0, 1.0);
}

Color colorFrom(const Reader& reader, const Object& color, int depth) {
    if (color.className != "NSColor" || depth > 4 || color.groups.size() < 2) throw NotUnderstood{};
    const auto& kindGroup = color.groups[0];
    const auto& values = color.groups[1];
    if (kindGroup.size() != 1 || kindGroup[0].kind != Value::Kind::integer) throw NotUnderstood{};
    switch (kindGroup[0].integer) {
    case 1:  // calibrated RGBA
    case 2:  // device RGBA
        if (values.size() != 4) throw NotUnderstood{};
        return {component(values[0]), component(values[1]), component(values[2]), component(values[3])};
    case 3:  // calibrated white, alpha
    case 4:  // device white, alpha
        if (values.size() != 2) throw NotUnderstood{};
        return {component(values[0]), component(values[0]), component(values[0]), component(values[1])};
    case 5: {  // device CMYK, alpha
        if (values.size() != 5) throw NotUnderstood{};
        double k = component(values[3]);
        return {(1 - component(values[0])) * (1 - k), (1 - component(values[1])) * (1 - k),
                (1 - component(values[2])) * (1 - k), component(values[4])};
    }
    case 6:  // named: catalog, name, and the colour it resolved to
        if (values.size() != 3 || values[2].kind != Value::Kind::object) throw NotUnderstood{};
        return colorFrom(reader, reader.object(values[2].object), depth + 1);
    default:
        throw NotUnderstood{};
    }
}

template <class T, class F>
std::optional<T> decode(std::span<const uint8_t> archive, F interpret) {
    try {
        Reader reader(archive);
        size_t root = reader.readRoot();
        return interpret(reader, reader.object(root));
    } catch (const NotUnderstood&) {
    } catch (const FormatError&) {  // ran past the end
    } catch (const std::out_of_range&) {
    }
    return std::nullopt;
}

class Writer {
public:
    Writer() {
        out_.push_back(4);
        out_.push_back(11);
        for (char c : std::string_view("streamtyped")) out_.push_back(uint8_t(c));
        integer(systemVersion);
    }

    void byte(uint8_t b) { out_.push_back(b); }

    void integer(int64_t v) {
        if (v >= firstReference && v <= 127) {
            byte(static_cast<uint8_t>(static_cast<int8_t>(v)));
        } else if (v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max()) {
            byte(tagInt16);
            littleEndian(static_cast<uint16_t>(v), 2);
        } else {
            byte(tagInt32);
            littleEndian(static_cast<uint32_t>(v), 4);
        }
    }

    // The platform writes integral values in the integer form.
    void real(float f) {
        if (std::isfinite(f) && f == std::trunc(f) && std::fabs(f) < 2147483648.0f) {
            integer(static_cast<int64_t>(f));
        } else {
            byte(tagReal);
            littleEndian(std::bit_cast<uint32_t>(f), 4);
        }
    }

    void sharedString(const std::string& s) {
        auto it = std::find(shared_.begin(), shared_.end(), s);
        if (it != shared_.end()) {
            integer(static_cast<int64_t>(it - shared_.begin()) + firstReference);
            return;
        }
        byte(tagNew);
        integer(static_cast<int64_t>(s.size()));
        for (char c : s) byte(uint8_t(c));
        shared_.push_back(s);
    }

    void beginRootObject(const std::string& className, int64_t version) {
        sharedString("@");
        byte(tagNew);  // the object
        byte(tagNew);  // its class
        sharedString(className);
        integer(version);
        byte(tagNew);  // the superclass
        sharedString("NSObject");
        integer(0);
        byte(tagNil);
    }

    void endObject() { byte(tagEndOfObject); }

    Bytes take() { return std::move(out_); }

private:
    void littleEndian(uint64_t v, size_t size) {
        for (size_t i = 0; i < size; ++i) byte(uint8_t(v >> (8 * i)));
    }

    Bytes out_;
    std::vector<std::string> shared_;
};

std::vector<uint16_t> utf8ToUtf16(const std::string& s) {
    std::vector<uint16_t> out;
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<uint8_t>(s[i]);
        uint32_t cp;
        size_t len;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; len = 2; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; len = 3; }
        else { cp = c & 0x07; len = 4; }
        for (size_t k = 1; k < len && i + k < s.size(); ++k) cp = cp << 6 | (static_cast<uint8_t>(s[i + k]) & 0x3F);
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(uint16_t(0xD800 + (cp >> 10)));
            out.push_back(uint16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(uint16_t(cp));
        }
    }
    return out;
}

}  // namespace

std::optional<Font> unarchiveFont(std::span<const uint8_t> archive) {
    return decode<Font>(archive, [](const Reader& r, const Object& o) { return fontFrom(r, o); });
}

std::optional<Color> unarchiveColor(std::span<const uint8_t> archive) {
    return decode<Color>(archive, [](const Reader& r, const Object& o) { return colorFrom(r, o, 0); });
}

Bytes archiveFont(const Font& font) {
    // The name as a one-string property list: UTF-16 with byte-order mark,
    // padded to whole words.
    Bytes plist;
    auto word = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) plist.push_back(uint8_t(v >> (8 * i)));
    };
    auto units = utf8ToUtf16(font.name);
    word(6);
    word(static_cast<uint32_t>(2 + 2 * units.size()));
    plist.push_back(0xFF);
    plist.push_back(0xFE);
    for (uint16_t u : units) {
        plist.push_back(uint8_t(u));
        plist.push_back(uint8_t(u >> 8));
    }
    while (plist.size() % 4 != 0) plist.push_back(0);

    Writer w;
    w.beginRootObject("NSFont", 30);
    w.sharedString("i");
    w.integer(static_cast<int64_t>(plist.size()));
    w.sharedString("[" + std::to_string(plist.size()) + "c]");
    for (uint8_t b : plist) w.byte(b);
    w.sharedString("f");
    w.real(static_cast<float>(font.pointSize));
    for (uint8_t flag : {0, 1, 0, 0}) {
        w.sharedString("c");
        w.byte(flag);
    }
    w.endObject();
    return w.take();
}

Bytes archiveColor(const Color& color) {
    Writer w;
    w.beginRootObject("NSColor", 0);
    w.sharedString("c");
    w.byte(1);  // calibrated RGBA
    w.sharedString("ffff");
    for (double c : {color.red, color.green, color.blue, color.alpha}) w.real(static_cast<float>(c));
    w.endObject();
    return w.take();
}
