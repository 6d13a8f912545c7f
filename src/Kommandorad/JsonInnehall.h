#pragma once
// The storage behind JsonDokument, for the reader that fills it and the
// value handles that read it.
#include "Kommandorad/JsonVarde.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// What a node is, in the top three bits of its second word.
enum class JsonSort : uint32_t { null, falskt, sant, tal, text, lista, objekt };

// One value or key. For a number or text: `a` is where its bytes start in
// the text and `b` holds their count. For an array or object: `a` is the
// node after its last content; an object's `b` holds where its sorted keys
// start in `nycklar` (their count first).
struct JsonNod {
    uint32_t a = 0;
    uint32_t b = 0;

    static constexpr uint32_t fältbitar = 29;
    static constexpr uint32_t störstaFält = (uint32_t{1} << fältbitar) - 1;

    JsonSort sort() const { return static_cast<JsonSort>(b >> fältbitar); }
    uint32_t fält() const { return b & störstaFält; }
    static JsonNod av(JsonSort sort, uint32_t a = 0, uint32_t fält = 0) {
        return {a, static_cast<uint32_t>(sort) << fältbitar | fält};
    }
};
static_assert(sizeof(JsonNod) == 8);

struct JsonInnehåll {
    Bytes text;
    std::vector<JsonNod> noder;
    // Per object: its member count, then the nodes of its keys sorted.
    std::vector<uint32_t> nycklar;
    // The lengths of texts and numbers too long for a node's field (half a
    // gibibyte and more), by node, in node order.
    std::vector<std::pair<uint32_t, uint64_t>> längder;
    // Told of every member looked up (JsonDokument::följLäsningar).
    std::function<void(uint32_t objekt, std::string_view nyckel)> läsning;

    std::string_view textAv(uint32_t nod) const {
        const JsonNod& n = noder[nod];
        uint64_t längd = n.fält();
        if (längd == JsonNod::störstaFält) {
            auto it = std::lower_bound(längder.begin(), längder.end(), std::pair<uint32_t, uint64_t>(nod, 0));
            längd = it->second;
        }
        return {reinterpret_cast<const char*>(text.data()) + n.a, static_cast<size_t>(längd)};
    }
    // The node after the value at `nod` and everything in it.
    uint32_t efter(uint32_t nod) const {
        const JsonNod& n = noder[nod];
        return n.sort() == JsonSort::lista || n.sort() == JsonSort::objekt ? n.a : nod + 1;
    }
};
