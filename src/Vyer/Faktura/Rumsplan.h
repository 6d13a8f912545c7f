#pragma once
// A template's page as rooms: rectangles that never overlap, each holding
// the blocks of text that may stand in it, top to bottom. A template
// declares its blocks and their rooms; one fitter places them all, by one
// rule, so that a long value meets no neighbour whatever its length:
//  1. Each text is measured at the width it is drawn in; a line kept to its
//     line that is too wide for its column even at 70 % wraps there.
//  2. A room's blocks stand where the template put them, each pushed down
//     under the one above it (by its gap); when the last then ends below
//     the room's foot they move up, as far as the room's top and the
//     blocks above let them. A room that holds its blocks so is done.
//  3. Otherwise every room of its group is set smaller, texts and gaps by
//     one factor in whole percent, down to 70 %: the largest at which
//     every room of the group holds its blocks, preferring one at which no
//     word breaks between characters (Textpassning.h).
//  4. Past 70 % a room's blocks stand close from its top and are cut at
//     its foot: the block that crosses it keeps the lines that end above
//     it, the last ending in an ellipsis, and the blocks after it are left
//     out. A block without room for one line is left out and the block
//     above it gives its last line to the ellipsis; the first block of a
//     room keeps its first line, a room being at least a line high.
// Each text is laid out only as far as its room can show, however long.
//
// The plan records its rooms on the view (Fakturavy::planeradeRum), so a
// test can hold that no two of a page overlap.
#include "Vyer/Faktura/Fakturavy.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace rumsplan {

// How a text is drawn: a plain string from its frame's top left, or a
// table in full text layout; or a caption on one line whose last word is a
// leader of dots that runs on to the frame's edge and is cut there: it is
// measured without its leader, which it loses only when it must wrap.
enum class Sättning { sträng, tabell, medLedare };

// One text of a block, in the frame it has while its block stands where
// the template put it; a frame higher than the text is the least it takes.
struct Text {
    AttributedString text;
    Rect ram;
    Sättning sättning = Sättning::sträng;
};

// Where a block would stand, given its height h: its top at `linje` −
// `andelOvanför` × h. A block stands by default at the top of its texts'
// frames, growing down; `påFoten` grows up from a line, `kring` both ways.
// How a block's top meets whole points, as frames placed by their height
// do: not at all, to the nearest, or down to the one above.
enum class Avrundning { ingen, närmast, nedåt };

struct Förankring {
    double linje = 0;
    double andelOvanför = 0;
    Avrundning avrundning = Avrundning::ingen;  // of the top where the block would stand

    static Förankring påFoten(double y, Avrundning a = Avrundning::ingen) { return {y, 1, a}; }
    static Förankring kring(double y, double andelOvanför, Avrundning a = Avrundning::ingen) {
        return {y, andelOvanför, a};
    }
};

struct Blockval {
    double avstånd = 0;  // under the block above it in its room
    std::optional<Förankring> förankring;
    bool underPåHelPunkt = false;  // pushed under the block above, it starts at the next whole point
    // The highest its top may move up to from the room's foot (the top of
    // a band it keeps to unless the block above pushes it down); a block
    // that cannot end above the foot so is set smaller.
    std::optional<double> översta;
};

class Rum {
public:
    Rum(std::string namn, Rect yta) : namn_(std::move(namn)), yta_(yta) {}

    // A block of `texter` that move and are set smaller together, below
    // the blocks added before it; a block without text takes no room.
    Rum& block(std::string namn, std::vector<Text> texter, Blockval val = {});
    // A block of one text.
    Rum& block(std::string namn, Text text, Blockval val = {});
    // Texts a shared step has placed already (the amount rows, say), which
    // stand in this room as they are.
    Rum& färdiga(std::vector<CachatObjekt> objekt);

    const std::string& namn() const { return namn_; }
    const Rect& yta() const { return yta_; }

    struct Block {
        std::string namn;
        std::vector<Text> texter;
        Blockval val;
    };
    const std::vector<Block>& blocken() const { return block_; }
    std::vector<CachatObjekt>& färdiga() { return färdiga_; }

private:
    std::string namn_;
    Rect yta_;
    std::vector<Block> block_;
    std::vector<CachatObjekt> färdiga_;
};

class Plan {
public:
    explicit Plan(Fakturavy& vy, Sidslag sidor = Sidslag::alla) : vy_(vy), sidor_(sidor) {}

    // A room; its blocks are set smaller alone unless it shrinks with
    // others (krymperMed).
    Rum& rum(std::string namn, Rect yta);
    // `a` and `b` are set smaller by one factor, with every room either
    // already shrinks with.
    void krymperMed(const Rum& a, const Rum& b);

    // The placed texts, room by room and block by block in the order
    // given; the rooms are recorded on the view.
    std::vector<CachatObjekt> placera() &&;

    // The blocks of `rum` at their full size, each pushed under the one
    // above, in a room reaching down to the page's foot: for a room whose
    // foot gives way to its blocks (what stands below moving down), to be
    // declared once they show where that foot is.
    std::vector<CachatObjekt> vidFullStorlek(const Rum& rum) const;

private:
    Fakturavy& vy_;
    Sidslag sidor_;
    std::deque<Rum> rum_;  // stable addresses: a template keeps a Rum& while it adds more
    std::vector<size_t> grupp_;
};

// Whether `rum` holds its blocks at `procent` of their size, as a plan
// would place them there: for a template with a shorter form of a text (an
// address run together) that it uses only where even 70 % is not enough.
bool rymmer(const TextMeasurer& mätare, const Rum& rum, int procent);

}  // namespace rumsplan
