#include "Plattform/Ritning/PdfDrawingCost.h"

#include "Plattform/Ritning/ImageHeaders.h"
#include "Plattform/Ritning/PdfMeshSize.h"
#include "Plattform/Ritning/PdfObjectBounds.h"
#include "Plattform/Ritning/Saturating.h"

// qpdf without its deprecated smart pointer. qpdf 11.3's headers do not
// build as C++20 with clang (a vector of a type not yet complete), so a
// file that includes them is C++17 for clang (CMakeLists.txt).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_QPDFTokenizer.hh>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Bytes each step is taken to hold while a page is drawn and recorded.
constexpr uint64_t perOperator = 64;
constexpr uint64_t perPaintingOperator = 1024;
constexpr uint64_t perByteOfText = 64;
constexpr uint64_t perPixel = 4;
// A content stream is held whole while it is counted, and read again when
// it is drawn.
constexpr uint64_t perByteOfContent = 8;
// A mesh shading is held vertex by vertex (its place, its colour in up to
// 32 components, its share of the triangle list, room to grow) or patch
// by patch (sixteen points, four colours), every time it is painted.
constexpr uint64_t perVertex = 256;
constexpr uint64_t perPatch = 2560;
// Each triangle or patch is filled by dividing it until the colour is
// nearly even over each piece, up to some thousands of pieces, each a fill
// of its own: 3 to 8 milliseconds for one across half the page, as busy
// as the machine is.
constexpr uint64_t perTriangleOrPatchFilled = 256 << 10;
// A function shading evaluates its function for each pixel it covers, and
// so does a shading whose function is a PostScript program: each operator
// of the program costs this much a pixel.
constexpr uint64_t perFunctionStep = 1;
// Each cell a tiling pattern paints over the page.
constexpr uint64_t perCell = 64;

using pdfbounds::headerSearched;

using saturating::plus;
using saturating::times;

// Thrown as soon as the estimate passes the limit.
struct TooMuch {};
// Thrown by a pipeline to end the decoding of a stream early.
struct EnoughRead {};

// Passes at most `most` bytes on and stops the decoding at the first byte
// more.
class AtMost : public Pipeline {
public:
    AtMost(Pipeline* next, uint64_t most) : Pipeline("at most", next), most_(most) {}
    void write(unsigned char const* data, size_t length) override {
        if (length > most_ - count_) {
            exceeded = true;
            throw EnoughRead{};
        }
        count_ += length;
        if (Pipeline* next = getNext(true)) next->write(data, length);
    }
    void finish() override {
        if (Pipeline* next = getNext(true)) next->finish();
    }
    // Decodes the stream into this pipeline, ending early at the limit.
    void take(QPDFObjectHandle stream) {
        try {
            stream.pipeStreamData(this, 0, qpdf_dl_generalized, true, false);
        } catch (const EnoughRead&) {
        }
    }
    uint64_t count() const { return count_; }
    bool exceeded = false;

private:
    uint64_t most_, count_ = 0;
};

// A non-negative integer token, saturated.
uint64_t integer(const std::string& text) {
    uint64_t v = 0;
    for (char c : text) {
        if (c == '+') continue;
        if (c < '0' || c > '9') return 0;
        v = plus(times(v, 10), uint64_t(c - '0'));
    }
    return v;
}

// The value under a key; null when `o` is no dictionary.
QPDFObjectHandle at(QPDFObjectHandle o, const char* key) {
    if (o.isStream()) o = o.getDict();
    return o.isDictionary() ? o.getKey(key) : QPDFObjectHandle::newNull();
}

uint64_t integer(QPDFObjectHandle o) {
    if (!o.isInteger()) return 0;
    long long v = o.getIntValue();
    return v > 0 ? uint64_t(v) : 0;
}

double number(QPDFObjectHandle o, double otherwise) { return o.isNumber() ? o.getNumericValue() : otherwise; }

// A count of things given as a real number, saturated.
uint64_t count(double v) { return v >= 1e18 ? UINT64_MAX : v > 0 ? uint64_t(v) : 0; }

// What one content stream does, counted once; its forms, patterns and
// glyph procedures are priced afterwards from its resources.
struct Summary {
    uint64_t operators = 0, painting = 0, bytesOfText = 0, inlinePixels = 0;
    uint64_t paintingWithPattern = 0;  // painting operators while a pattern may be the colour
    uint64_t inlineCoefficients = 0;   // bytes of inline JPEGs decoded whole
    std::map<std::string, uint64_t> xobjects, graphicsStates, shadings;  // uses by resource name
};

bool paints(const std::string& op) {
    static const std::set<std::string> painting = {"f", "F", "f*", "B", "B*", "b", "b*", "S", "s", "sh",
                                                   "Tj", "TJ", "'", "\"", "Do", "EI"};
    return painting.count(op) > 0;
}

uint64_t ownCost(const Summary& s) {
    uint64_t cost = times(s.operators, perOperator);
    cost = plus(cost, times(s.painting, perPaintingOperator));
    cost = plus(cost, times(s.bytesOfText, perByteOfText));
    return plus(plus(cost, times(s.inlinePixels, perPixel)), s.inlineCoefficients);
}

// Counts a content stream's operators, and gives up as soon as they alone
// cost more than `most`.
class Operators : public QPDFObjectHandle::TokenFilter {
public:
    // `pattern`: whether a pattern may be the colour when the stream
    // starts (a form, glyph or cell draws with the colour it is given).
    Operators(Summary& s, uint64_t most, bool pattern) : s_(s), most_(most), fill_(pattern), stroke_(pattern) {}

    void handleToken(QPDFTokenizer::Token const& t) override {
        switch (t.getType()) {
            case QPDFTokenizer::tt_word: operation(t.getValue()); break;
            case QPDFTokenizer::tt_name:
                if (inlineImage_) {
                    // A codec's name is a value; any other name may be a key.
                    const std::string& n = t.getValue();
                    if (n == "/DCT" || n == "/DCTDecode") codec_ = jpegHeader;
                    else if (n == "/JPXDecode") codec_ = jpeg2000Header;
                    else key_ = n;
                }
                else name_ = t.getValue();
                break;
            case QPDFTokenizer::tt_string: text_ = plus(text_, t.getValue().size()); break;
            case QPDFTokenizer::tt_integer:
                if (inlineImage_ && (key_ == "/W" || key_ == "/Width")) width_ = integer(t.getValue());
                if (inlineImage_ && (key_ == "/H" || key_ == "/Height")) height_ = integer(t.getValue());
                break;
            case QPDFTokenizer::tt_inline_image:
                if (codec_) inlineHeader(t.getValue());
                s_.inlinePixels = plus(s_.inlinePixels, times(width_, height_));
                inlineImage_ = false;
                break;
            default: break;
        }
    }

private:
    void operation(const std::string& op) {
        s_.operators = plus(s_.operators, 1);
        colour(op);
        if (paints(op)) {
            s_.painting = plus(s_.painting, 1);
            if (fill_ || stroke_) s_.paintingWithPattern = plus(s_.paintingWithPattern, 1);
        }
        if (op == "BI") {
            inlineImage_ = true;
            width_ = height_ = 0;
            key_.clear();
            codec_ = nullptr;
        } else if (op == "Tj" || op == "TJ" || op == "'" || op == "\"") {
            s_.bytesOfText = plus(s_.bytesOfText, text_);
        } else if (op == "Do" && !name_.empty()) {
            s_.xobjects[name_] = plus(s_.xobjects[name_], 1);
        } else if (op == "gs" && !name_.empty()) {
            s_.graphicsStates[name_] = plus(s_.graphicsStates[name_], 1);
        } else if (op == "sh" && !name_.empty()) {
            s_.shadings[name_] = plus(s_.shadings[name_], 1);
        }
        if (op != "ID") {
            name_.clear();
            text_ = 0;
        }
        if ((s_.operators & 0x3FF) == 0 && ownCost(s_) > most_) throw TooMuch{};
    }

    // Whether the fill or stroke colour may be a pattern: one is chosen by
    // name (scn, SCN), any other colour or colour space ends it, and the
    // graphics state stack keeps it.
    void colour(const std::string& op) {
        static const std::set<std::string> fills = {"cs", "sc", "g", "rg", "k"}, strokes = {"CS", "SC", "G", "RG", "K"};
        if (op == "scn") fill_ = !name_.empty();
        else if (op == "SCN") stroke_ = !name_.empty();
        else if (fills.count(op)) fill_ = false;
        else if (strokes.count(op)) stroke_ = false;
        else if (op == "q") saved_.emplace_back(fill_, stroke_);
        else if (op == "Q" && !saved_.empty()) {
            std::tie(fill_, stroke_) = saved_.back();
            saved_.pop_back();
        }
    }

    // An inline image's codestream, like an image object's, tells the
    // decoder its size; one whose header cannot be found (behind another
    // filter) cannot be judged.
    void inlineHeader(const std::string& data) {
        size_t start = 0;
        while (start < data.size() && std::isspace(static_cast<unsigned char>(data[start]))) ++start;
        const std::optional<ImageHeader> header =
            codec_(reinterpret_cast<const uint8_t*>(data.data()) + start, data.size() - start);
        if (!header) throw TooMuch{};
        width_ = std::max(width_, header->width);
        height_ = std::max(height_, header->height);
        // Decoded whole: two bytes a sample for a progressive JPEG, as for
        // an image object.
        if (header->wholeAtOnce)
            s_.inlineCoefficients =
                plus(s_.inlineCoefficients, times(times(times(header->width, header->height), header->components), 2));
    }

    Summary& s_;
    uint64_t most_;
    std::optional<ImageHeader> (*codec_)(const uint8_t*, size_t) = nullptr;
    bool fill_, stroke_;
    std::vector<std::pair<bool, bool>> saved_;
    std::string name_, key_;
    uint64_t text_ = 0, width_ = 0, height_ = 0;
    bool inlineImage_ = false;
};

std::string lastFilter(QPDFObjectHandle dict) {
    QPDFObjectHandle filter = at(dict, "/Filter");
    if (filter.isArray() && filter.getArrayNItems() > 0) filter = filter.getArrayItem(filter.getArrayNItems() - 1);
    return filter.isName() ? filter.getName() : "";
}

class Scan {
public:
    // `area`: the page's in square points, its pixels at 72 dpi.
    Scan(double area, uint64_t limit) : pixels_(count(area) + 1), limit_(limit) {}

    uint64_t total() const { return total_; }

    // The page with the resources it has or inherits. Its annotations are
    // not counted: they are not carried over with it.
    void page(QPDFObjectHandle page, QPDFObjectHandle resources) {
        walk(resources);
        charge(contents(at(page, "/Contents"), resources, page.getObjGen(), 0));
    }

private:
    void charge(uint64_t bytes) {
        total_ = plus(total_, bytes);
        if (total_ > limit_) throw TooMuch{};
    }
    uint64_t checked(uint64_t cost) const {
        if (cost > limit_) throw TooMuch{};
        return cost;
    }
    uint64_t remaining() const { return limit_ - total_; }

    // The page's contents: a stream or an array of them.
    uint64_t contents(QPDFObjectHandle streams, QPDFObjectHandle resources, QPDFObjGen owner, int depth) {
        if (streams.isStream()) return run(streams, resources, owner, depth);
        uint64_t cost = 0;
        if (streams.isArray())
            for (int i = 0; i < streams.getArrayNItems(); ++i)
                if (streams.getArrayItem(i).isStream())
                    cost = checked(plus(cost, run(streams.getArrayItem(i), resources, owner, depth)));
        return cost;
    }

    // One run of a content stream with these resources.
    uint64_t run(QPDFObjectHandle stream, QPDFObjectHandle resources, QPDFObjGen owner, int depth) {
        if (depth > pdfbounds::deepestDrawing) throw TooMuch{};
        Summary s = summary(stream, depth > 0);
        uint64_t cost = checked(ownCost(s));
        if (s.bytesOfText > 0) cost = checked(plus(cost, times(s.bytesOfText, type3(resources, owner, depth))));
        if (s.paintingWithPattern > 0)
            cost = checked(plus(cost, times(s.paintingWithPattern, patterns(resources, owner, depth))));
        for (const auto& [name, uses] : s.xobjects)
            cost = checked(plus(cost, times(uses, xobject(at(at(resources, "/XObject"), name.c_str()), resources, owner, depth))));
        for (const auto& [name, uses] : s.graphicsStates) {
            QPDFObjectHandle group = at(at(at(at(resources, "/ExtGState"), name.c_str()), "/SMask"), "/G");
            if (group.isStream()) cost = checked(plus(cost, times(uses, xobject(group, resources, owner, depth))));
        }
        for (const auto& [name, uses] : s.shadings)
            cost = checked(plus(cost, times(uses, shading(at(at(resources, "/Shading"), name.c_str())))));
        return cost;
    }

    Summary summary(QPDFObjectHandle stream, bool pattern) {
        Summary s;
        Operators counter(s, limit_, pattern);
        Pl_QPDFTokenizer tokens("content", &counter);
        AtMost limited(&tokens, remaining() / perByteOfContent);
        limited.take(stream);
        if (limited.exceeded) throw TooMuch{};
        charge(times(limited.count(), perByteOfContent));
        return s;
    }

    // A form (its content with its own resources, else the user's) or an
    // image drawn once.
    uint64_t xobject(QPDFObjectHandle x, QPDFObjectHandle resources, QPDFObjGen owner, int depth) {
        if (!x.isStream()) return 0;
        QPDFObjectHandle dict = x.getDict();
        if (dict.getKey("/Subtype").isNameAndEquals("/Image")) return image(x);
        QPDFObjectHandle own = dict.getKey("/Resources");
        if (own.isDictionary()) {
            walk(own);
            resources = own;
            owner = x.getObjGen();
        }
        const auto key = std::make_pair(x.getObjGen(), owner);
        if (auto known = done_.find(key); known != done_.end()) return known->second;
        // A form that draws itself would never end.
        if (!running_.insert(x.getObjGen()).second) throw TooMuch{};
        uint64_t cost = checked(plus(perPaintingOperator, run(x, resources, owner, depth + 1)));
        running_.erase(x.getObjGen());
        done_[key] = cost;
        return cost;
    }

    uint64_t image(QPDFObjectHandle x) {
        if (auto known = images_.find(x.getObjGen()); known != images_.end()) return known->second;
        uint64_t cost = plus(perPaintingOperator, decoded(x));
        for (const char* mask : {"/SMask", "/Mask"})
            if (QPDFObjectHandle m = x.getDict().getKey(mask); m.isStream() && m.getObjGen() != x.getObjGen())
                cost = plus(cost, decoded(m));
        images_[x.getObjGen()] = checked(cost);
        return cost;
    }

    // An image or mask decoded: as large as its dictionary or any layer of
    // its codestream says, whichever is the largest.
    uint64_t decoded(QPDFObjectHandle x) {
        QPDFObjectHandle dict = x.getDict();
        uint64_t width = integer(dict.getKey("/Width")), height = integer(dict.getKey("/Height"));
        uint64_t cost = 0;
        const std::string filter = lastFilter(dict);
        if (filter == "/JBIG2Decode") {
            // The page information, in the image's data or in the globals
            // it shares with others.
            QPDFObjectHandle parameters = dict.getKey("/DecodeParms");
            if (parameters.isArray() && parameters.getArrayNItems() > 0)
                parameters = parameters.getArrayItem(parameters.getArrayNItems() - 1);
            for (QPDFObjectHandle layer : {x, at(parameters, "/JBIG2Globals")}) {
                if (!layer.isStream()) continue;
                const std::string bytes = start(layer);
                const ImageHeader page = jbig2Header(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
                width = std::max(width, page.width);
                height = std::max(height, page.height);
            }
        } else if (filter == "/DCTDecode" || filter == "/JPXDecode") {
            // The codestream, not the PDF, tells the decoder how much to
            // decode.
            const std::string bytes = start(x);
            const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
            std::optional<ImageHeader> header =
                filter == "/DCTDecode" ? jpegHeader(b, bytes.size()) : jpeg2000Header(b, bytes.size());
            if (!header) throw TooMuch{};
            width = std::max(width, header->width);
            height = std::max(height, header->height);
            // Decoded whole: two bytes a sample for a progressive JPEG, four
            // for JPEG 2000.
            if (header->wholeAtOnce)
                cost = plus(cost, times(times(times(header->width, header->height), header->components),
                                        filter == "/JPXDecode" ? 4 : 2));
        }
        return checked(plus(cost, times(times(width, height), perPixel)));
    }

    // The first bytes of an image's data with every filter but its image
    // codec undone.
    std::string start(QPDFObjectHandle x) {
        std::string bytes;
        Pl_String collect("image start", nullptr, bytes);
        AtMost(&collect, headerSearched).take(x);
        return bytes;
    }

    // The costliest glyph of the resources' Type 3 fonts: each character
    // shown in one runs its procedure.
    uint64_t type3(QPDFObjectHandle resources, QPDFObjGen owner, int depth) {
        uint64_t most = 0;
        QPDFObjectHandle fonts = at(resources, "/Font");
        if (!fonts.isDictionary()) return 0;
        for (auto [name, font] : fonts.ditems()) {
            if (!font.isDictionary() || !font.getKey("/Subtype").isNameAndEquals("/Type3")) continue;
            QPDFObjectHandle glyphResources = font.getKey("/Resources");
            QPDFObjGen glyphOwner = owner;
            if (glyphResources.isDictionary()) glyphOwner = font.getObjGen();
            else glyphResources = resources;
            QPDFObjectHandle procedures = font.getKey("/CharProcs");
            if (!procedures.isDictionary()) continue;
            for (auto [glyph, procedure] : procedures.ditems())
                most = std::max(most, xobject(procedure, glyphResources, glyphOwner, depth));
        }
        return most;
    }

    // The costliest pattern of the resources: every painting operator made
    // while a pattern is the colour may fill with it. A tiling pattern
    // draws its cell once and paints it as often as it fits on the page
    // (the area a fill can cover), a shading pattern paints its shading.
    uint64_t patterns(QPDFObjectHandle resources, QPDFObjGen owner, int depth) {
        uint64_t most = 0;
        QPDFObjectHandle all = at(resources, "/Pattern");
        if (!all.isDictionary()) return 0;
        for (auto [name, pattern] : all.ditems())
            most = std::max(most, pattern.isStream() ? checked(plus(xobject(pattern, resources, owner, depth),
                                                                    times(cells(pattern.getDict()), perCell)))
                                                     : shading(at(pattern, "/Shading")));
        return most;
    }

    // The cells of a tiling pattern over the page: its steps are in the
    // pattern's space, which its matrix maps onto the page's.
    uint64_t cells(QPDFObjectHandle pattern) const {
        double scale = 1;
        if (QPDFObjectHandle m = pattern.getKey("/Matrix"); m.isArray() && m.getArrayNItems() == 6)
            scale = number(m.getArrayItem(0), 1) * number(m.getArrayItem(3), 1) -
                    number(m.getArrayItem(1), 0) * number(m.getArrayItem(2), 0);
        const double cell = std::abs(number(pattern.getKey("/XStep"), 0) * number(pattern.getKey("/YStep"), 0) * scale);
        // A step of nothing is refused by the reader.
        if (!(cell > 0)) return 1;
        return plus(count(double(pixels_) / cell), 1);
    }

    // A shading painted once: a mesh (a stream) is read and held whole
    // and each triangle or patch filled each time; a function evaluated
    // for every pixel (a function shading's, and any PostScript program).
    uint64_t shading(QPDFObjectHandle s) {
        if (!s.isStream() && !s.isDictionary()) return perPaintingOperator;
        const bool known = s.isIndirect();
        if (auto cost = shadings_.find(s.getObjGen()); known && cost != shadings_.end()) return cost->second;
        const bool functionShading = at(s, "/ShadingType").isInteger() && at(s, "/ShadingType").getIntValue() == 1;
        uint64_t cost = plus(perPaintingOperator,
                             times(times(steps(at(s, "/Function"), functionShading, 0), pixels_), perFunctionStep));
        if (s.isStream()) {
            AtMost limited(nullptr, remaining());
            limited.take(s);
            if (limited.exceeded) throw TooMuch{};
            const pdfmesh::Size m = pdfmesh::size(s.getDict(), limited.count());
            cost = plus(cost, times(m.vertices, perVertex));
            cost = plus(cost, times(plus(m.triangles, m.patches), perTriangleOrPatchFilled));
            cost = plus(cost, times(m.patches, perPatch));
        }
        checked(cost);
        if (known) shadings_[s.getObjGen()] = cost;
        return cost;
    }

    // The steps one evaluation of a function (or an array of them) takes:
    // the operators of a PostScript program, and when `every`, a step for
    // each other function (a sampled one interpolates between the corners
    // around its input). A function used by many is counted once.
    uint64_t steps(QPDFObjectHandle f, bool every, int depth) {
        if (!f.isIndirect()) return stepsOnce(f, every, depth);
        const auto key = std::make_pair(f.getObjGen(), every);
        if (auto known = functions_.find(key); known != functions_.end()) return known->second;
        return functions_[key] = stepsOnce(f, every, depth);
    }
    uint64_t stepsOnce(QPDFObjectHandle f, bool every, int depth) {
        if (depth > pdfbounds::deepestNesting) throw TooMuch{};
        uint64_t total = 0;
        if (f.isArray()) {
            for (int i = 0; i < f.getArrayNItems(); ++i) total = plus(total, steps(f.getArrayItem(i), every, depth + 1));
            return total;
        }
        QPDFObjectHandle type = at(f, "/FunctionType");
        if (!type.isInteger()) return 0;
        switch (type.getIntValue()) {
            case 4: return f.isStream() ? program(f) : 0;
            case 3: {
                // A stitching function runs one of its functions.
                QPDFObjectHandle parts = at(f, "/Functions");
                if (parts.isArray())
                    for (int i = 0; i < parts.getArrayNItems(); ++i)
                        total = std::max(total, steps(parts.getArrayItem(i), every, depth + 1));
                return every ? plus(total, 1) : total;
            }
            case 0: {
                QPDFObjectHandle domain = at(f, "/Domain");
                const int inputs = domain.isArray() ? std::min(domain.getArrayNItems() / 2, 16) : 1;
                return every ? uint64_t(1) << inputs : 0;
            }
            default: return every ? 1 : 0;
        }
    }

    // The operators (and operands, each a step too) of a PostScript
    // program.
    uint64_t program(QPDFObjectHandle f) {
        if (auto known = programs_.find(f.getObjGen()); known != programs_.end()) return known->second;
        std::string code;
        Pl_String collect("program", nullptr, code);
        AtMost limited(&collect, remaining());
        limited.take(f);
        if (limited.exceeded) throw TooMuch{};
        uint64_t tokens = 0;
        bool inToken = false;
        for (char c : code) {
            const bool separator = std::isspace(static_cast<unsigned char>(c)) || c == '{' || c == '}';
            if (!separator && !inToken) ++tokens;
            inToken = !separator;
        }
        return programs_[f.getObjGen()] = tokens;
    }

    // Every stream the resources hold, decoded once: fonts, colour
    // profiles, functions. Images are priced where they are drawn. The
    // objects still to visit wait on a stack of its own, so a chain of
    // references as long as the file can hold costs no call stack.
    void walk(QPDFObjectHandle resources) {
        std::vector<QPDFObjectHandle> waiting{resources};
        while (!waiting.empty()) {
            QPDFObjectHandle o = waiting.back();
            waiting.pop_back();
            if (o.isIndirect() && !walked_.insert(o.getObjGen()).second) continue;
            if (o.isStream()) {
                QPDFObjectHandle dict = o.getDict();
                if (dict.getKey("/Subtype").isNameAndEquals("/Image")) continue;
                AtMost limited(nullptr, remaining());
                limited.take(o);
                if (limited.exceeded) throw TooMuch{};
                charge(limited.count());
                o = dict;
            }
            if (o.isDictionary()) {
                chargeSamples(o);
                for (auto [key, value] : o.ditems())
                    if (key != "/Parent" && key != "/P") waiting.push_back(value);
            } else if (o.isArray()) {
                for (int i = 0; i < o.getArrayNItems(); ++i) waiting.push_back(o.getArrayItem(i));
            }
        }
    }

    // A sampled function holds every sample as a double.
    void chargeSamples(QPDFObjectHandle o) {
        if (!o.getKey("/FunctionType").isInteger() || o.getKey("/FunctionType").getIntValue() != 0) return;
        uint64_t samples = 8;
        QPDFObjectHandle size = o.getKey("/Size"), range = o.getKey("/Range");
        if (size.isArray())
            for (int i = 0; i < size.getArrayNItems(); ++i) samples = times(samples, integer(size.getArrayItem(i)));
        if (range.isArray()) samples = times(samples, uint64_t(range.getArrayNItems() / 2));
        charge(samples);
    }

    uint64_t pixels_, limit_, total_ = 0;
    std::map<std::pair<QPDFObjGen, QPDFObjGen>, uint64_t> done_;
    std::map<std::pair<QPDFObjGen, bool>, uint64_t> functions_;
    std::map<QPDFObjGen, uint64_t> images_, shadings_, programs_;
    std::set<QPDFObjGen> running_, walked_;
};

}  // namespace

std::optional<uint64_t> pdfcost::ofPage(const QPDFObjectHandle& page, const QPDFObjectHandle& resources,
                                        double area, uint64_t limit) {
    try {
        Scan scan(area, limit);
        try {
            scan.page(page, resources);
        } catch (const TooMuch&) {
            return plus(limit, 1);
        }
        return scan.total();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
