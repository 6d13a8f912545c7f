#pragma once
// A template's page as one plan: rooms, rectangles that never overlap,
// each holding the blocks of text that may stand in it, top to bottom;
// the drawings between them; the item table. A template declares them in
// the order they are drawn; one fitter places every block, by one rule,
// so that a long value meets no neighbour whatever its length:
//  1. Each text is measured at the width it is drawn in; a line kept to its
//     line that is too wide for its column even at 70 % wraps there.
//  2. A room's blocks stand where the template put them, each pushed down
//     under the one above it (by its gap); when the last then ends below
//     the room's foot they move up, as far as the room's top and the
//     blocks above let them. A room that holds its blocks so is done. A
//     room is at least as high as the first line of its first block: a
//     caption in a frame lower than its line keeps to that line.
//  3. Otherwise every room of its group is set smaller, texts and gaps by
//     one factor in whole percent, down to 70 %: the largest at which
//     every room of the group holds its blocks, preferring one at which no
//     word breaks between characters (Textpassning.h).
//  4. Past 70 % a room's blocks stand close from its top and are cut at
//     its foot: the block that crosses it keeps the lines that end above
//     it, the last ending in an ellipsis, and the blocks after it are left
//     out. A block without room for its first line is left out and the
//     block above it gives its last line to the ellipsis; the first block
//     of a room keeps its first line.
// Each text is laid out only as far as its room can show, however long.
//
// The plan records its rooms on the view (Fakturavy::planeradeRum), so a
// test can hold that no two of a page overlap and that every text stands
// in its own.
#include "Vyer/Faktura/Fakturavy.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rumsplan {

// How a text is drawn: a plain string (from its frame's top left, or on
// its foot in a view that sets strings so), or a table in full text
// layout; or a caption on one line whose last word is a leader of dots
// that runs on to the frame's edge and is cut there: it is measured
// without its leader, which it loses only when it must wrap.
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
// do: not at all, to the nearest, or down to the one above; or how far it
// stands above its line does, to the nearest (halves away from zero), so
// that a block about a line at a half point stays on half points.
enum class Avrundning { ingen, närmast, nedåt, avståndetNärmast };

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
    // The highest its top may stand, about its line or moved up from the
    // room's foot (the top of a band it keeps to unless the block above
    // pushes it down); a block that cannot end above the foot so is set
    // smaller.
    std::optional<double> översta;
    // The x its widest line is centred on at whatever size it is set (a
    // table placed by its measured size about a point): its frames move
    // across to it, their left edges down to a whole point, their widths
    // kept so that the lines break as measured.
    std::optional<double> mittÖver;
};

class Rum {
public:
    Rum(std::string namn, Rect yta, Sidslag sidor = Sidslag::alla) : namn_(std::move(namn)), yta_(yta), sidor_(sidor) {}

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
    Sidslag sidor() const { return sidor_; }
    // The system the room and its texts' frames are given in, turned on
    // the page (a caption running upward); none: the page's own.
    const std::optional<AffineTransform>& vridning() const { return vridning_; }

    struct Block {
        std::string namn;
        std::vector<Text> texter;
        Blockval val;
    };
    const std::vector<Block>& blocken() const { return block_; }
    const std::vector<CachatObjekt>& färdiga() const { return färdiga_; }

private:
    friend class Plan;
    std::string namn_;
    Rect yta_;
    Sidslag sidor_;
    std::optional<AffineTransform> vridning_;
    std::vector<Block> block_;
    std::vector<CachatObjekt> färdiga_;
};

// Where a text alone in a room stands (Plan::text).
struct Textval {
    std::optional<Rect> rum;
    Sidslag sidor = Sidslag::alla;
    Sättning sättning = Sättning::sträng;
};

// The item table as the plan draws it (Fakturavy::mätArtikeltabell).
struct Artikeltabell {
    TextAttributes rubrik, data, högerställdRubrik, högerställdData;
    Kolumnval val;
};

class Plan {
public:
    explicit Plan(Fakturavy& vy) : vy_(vy) {}
    Plan(const Plan&) = delete;
    Plan& operator=(const Plan&) = delete;

    // A room on the pages `sidor`: on every page, or only on the last
    // (what an invoice shows once its rows are done; not on a delivery
    // note), or on those before it. Its blocks are set smaller alone
    // unless it shrinks with others (krymperMed).
    Rum& rum(std::string namn, Rect yta, Sidslag sidor = Sidslag::alla);
    // A room built and tried beforehand (rymmer, höjd), taken in with its
    // blocks as it is.
    Rum& rum(Rum prövat);
    // A text alone in a room of its frame, or of `rum` where the frame
    // reaches into its neighbour's (frames of one line that overlap where
    // the text does not); nothing for an empty text. A string on its
    // frame's foot (in a view that sets strings so) takes in its
    // descenders and stands on that foot in a room lower at the top, or
    // wraps in full text layout where it is too wide for its line and its
    // frame holds two of its lines even at 70 %.
    void text(std::string namn, AttributedString text, const Rect& ram, const Textval& val = {});
    // Texts a shared step has placed (the amount rows, the VAT summary) in
    // a room of what they take, standing as they are.
    Rum& placerade(std::string namn, std::vector<CachatObjekt> objekt, Sidslag sidor = Sidslag::alla);
    // A room in a system that `vridning` turns onto the page: the room and
    // its texts' frames are given in it.
    Rum& vridetRum(std::string namn, Rect yta, AffineTransform vridning, Sidslag sidor = Sidslag::alla);
    // `a` and `b` are set smaller by one factor, with every room either
    // already shrinks with.
    void krymperMed(const Rum& a, const Rum& b);
    // Rooms side by side, left to right, each holding tables in its whole
    // width: a room whose blocks do not fit even at 70 % takes width from
    // the rooms beside it, the nearest first and the right before the
    // left, as much as it lacks and as each can spare while its own still
    // fit without a broken word; the gaps between them stay. Rooms that
    // all fit stay as declared.
    void delarBredd(std::vector<Rum*> rummen);

    // The page's number, or how many pages there are, once the item table
    // has made the pages: alone in a room of `ram` on every page, as
    // text() sets it.
    enum class Sidtal { sidan, antal };
    void sidtal(std::string namn, Sidtal vilket, const TextAttributes& attribut, const Rect& ram);

    // A drawing that is no text (a panel, a rule, the logo) in its place
    // among the rest, on the pages `sidor`.
    void rita(CachatObjekt objekt, Sidslag sidor = Sidslag::alla);
    // The item table: its headings now, on this plan, and its rows in
    // their place among the rest when placed; on the last page the
    // invoice's message ends above what stands below the rows there.
    void artikeltabell(const Artikeltabell& tabell);
    // White over `yta` on every page before the last, under that page's
    // own rows: what the background and every page's objects show there is
    // seen on the last page only.
    void vittPåÖvrigaSidor(const Rect& yta) { vitt_ = yta; }

    // --- What the plan answers before it places ------------------------
    // Whether `rum` holds its blocks at `procent` of their size.
    bool rymmer(const Rum& rum, int procent) const;
    // Whether `rum` holds its blocks at some size the fitter sets them at,
    // without cutting them.
    bool rymmerUtanAttKapa(const Rum& rum) const;
    // How high the blocks of `rum` reach below its top at `procent` of
    // their size, each pushed under the one above, as far as the page
    // shows them: for a room whose foot gives way (what stands below
    // moving down) or one whose neighbour gives way to it.
    double höjd(const Rum& rum, int procent = 100) const;
    // Where each block of `rum` stands at `procent` of its size, top and
    // height, as the fitter stands them in the room (before any is cut).
    struct Blockplats {
        double topp = 0, höjd = 0;
    };
    std::vector<Blockplats> blockensPlatser(const Rum& rum, int procent = 100) const;
    // The size, in whole percent, the fitter sets `rum` at when it sets it
    // smaller alone: for a drawing that follows its blocks (a rule beside a
    // list), where blockensPlatser at that size puts them.
    int procent(const Rum& rum) const;

    // Places every block and writes the page: what stands on every page,
    // then the item table's pages, then what stands on the last page only
    // or on those before it; the rooms are recorded on the view.
    void placera() &&;

private:
    struct Ritning {
        CachatObjekt objekt;
        Sidslag sidor;
    };
    struct Tabell {
        std::shared_ptr<MättArtikeltabell> mätt;
        Kolumnval val;
    };
    using Del = std::variant<size_t, Ritning, Tabell>;  // a room by index, a drawing, the table

    struct Sidtalet {
        std::string namn;
        Sidtal vilket;
        TextAttributes attribut;
        Rect ram;
    };

    std::vector<std::vector<CachatObjekt>> placeradeRum();
    void placeraSidtal();
    std::optional<double> meddelandetsFot(const Kolumnval& val,
                                          const std::vector<std::vector<CachatObjekt>>& rummen) const;

    Fakturavy& vy_;
    std::deque<Rum> rum_;  // stable addresses: a template keeps a Rum& while it adds more
    std::vector<size_t> grupp_;
    std::vector<std::vector<size_t>> breddlag_;
    std::vector<Del> delar_;
    std::optional<Rect> vitt_;
    std::vector<Sidtalet> sidtal_;
};

}  // namespace rumsplan
