#include "Plattform/Lzfse/LzfseMatchFinder.h"

#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/ThreadName.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <deque>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace lzfse {

int64_t MatchTables::begin(size_t size) {
    if (head.empty() || int64_t(size) > std::numeric_limits<int32_t>::max() - nextBase_) {
        head.assign(size_t(1) << hashBits, -1);
        previous.assign(windowSize, -1);
        nextBase_ = 0;
    }
    int64_t base = nextBase_;
    nextBase_ += int64_t(size);
    return base;
}

MatchFinder::MatchFinder(std::span<const uint8_t> input, uint32_t maxDistance, MatchTables& tables)
    : in_(input), maxDistance_(std::min(maxDistance, maxD)), tables_(tables), base_(tables.begin(input.size())) {}

uint32_t MatchFinder::hash(size_t pos) const { return (load32(in_.data() + pos) * 2654435761u) >> (32 - hashBits); }

void MatchFinder::insert(size_t pos) {
    if (pos + 4 > in_.size()) return;
    uint32_t h = hash(pos);
    tables_.previous[pos & (windowSize - 1)] = tables_.head[h];
    tables_.head[h] = int32_t(base_ + int64_t(pos));
}

namespace {

// Length of the common prefix of a and b, at most `limit` bytes (>= 4, the
// first four known equal).
size_t matchLength(const uint8_t* a, const uint8_t* b, size_t limit) {
    size_t len = 4;
    while (len + 8 <= limit) {
        uint64_t diff = load64(a + len) ^ load64(b + len);
        if (diff != 0) return len + size_t(std::countr_zero(diff) >> 3);
        len += 8;
    }
    while (len < limit && a[len] == b[len]) ++len;
    return len;
}

}  // namespace

Match MatchFinder::longest(size_t pos) const {
    Match best;
    const size_t n = in_.size();
    if (pos + minLength > n) return best;
    const uint8_t* data = in_.data();
    const uint8_t* here = data + pos;
    const uint32_t first4 = load32(here);
    const size_t limit = std::min(n - pos, maxLength);
    // Relative to this input: what earlier inputs stored is negative.
    int64_t candidate = tables_.head[hash(pos)] - base_;
    for (int depth = 0; depth < chainDepth && candidate >= 0; ++depth) {
        size_t c = size_t(candidate);
        if (c >= pos || pos - c > maxDistance_) break;
        const uint8_t* there = data + c;
        // Cheap rejection: the candidate must beat the best so far at its end
        // byte and share the first four bytes.
        if (load32(there) == first4 && (best.length == 0 || (best.length < limit && there[best.length] == here[best.length]))) {
            size_t len = matchLength(here, there, limit);
            if (len > best.length) {
                best.length = uint32_t(len);
                best.distance = uint32_t(pos - c);
                if (len >= goodEnough) break;
            }
        }
        int64_t next = tables_.previous[c & (windowSize - 1)] - base_;
        if (next >= candidate) break;  // the slot was reused by a newer position
        candidate = next;
    }
    return best;
}

namespace {

// Parses from `pos`, with every position before it already inserted, until
// the parse stands at or past `stop` or at the input's end; gives where it
// stands. Calls found(start, length, distance) per match. Which match is
// found at a position depends only on the input and the position, so two
// parses that ever stand at the same position go on alike.
template <class Found>
size_t parseFrom(MatchFinder& finder, size_t n, size_t pos, size_t stop, Found found) {
    while (pos < stop && pos + MatchFinder::minLength <= n) {
        Match match = finder.longest(pos);
        finder.insert(pos);
        if (match.length == 0) {
            ++pos;
            continue;
        }
        // Lazy step: a longer match one byte later is worth a literal.
        while (pos + 1 + MatchFinder::minLength <= n) {
            Match next = finder.longest(pos + 1);
            if (next.length <= match.length) break;
            match = next;
            finder.insert(++pos);
        }
        found(pos, match.length, match.distance);
        for (size_t p = pos + 1; p < pos + match.length; ++p) finder.insert(p);
        pos += match.length;
    }
    return pos;
}

// A finder with tables of its own that has seen what a parse standing at
// `pos` has: candidates older than the window are never looked at.
struct FinderAt {
    MatchTables tables;
    MatchFinder finder;
    FinderAt(std::span<const uint8_t> in, uint32_t maxDistance, size_t pos) : finder(in, maxDistance, tables) {
        for (size_t p = pos > MatchTables::windowSize ? pos - MatchTables::windowSize : 0; p < pos; ++p)
            finder.insert(p);
    }
};

// One match of a parse; its literals run from the previous match's end.
struct ParsedMatch {
    size_t start;
    uint32_t length;
    uint32_t distance;
};

struct Segment {
    size_t begin = 0, end = 0;
    size_t n = 0;  // the input's bytes known when the segment was parsed
    std::vector<ParsedMatch> matches;
    size_t stoppedAt = 0;  // the first position at or past `end` the parse stood at
    std::exception_ptr error;
    bool pastTheEnd = false;  // the input ended before the segment would begin
    bool done = false;
};

// A whole input at hand from the start.
class WholeInput : public ParseInput {
public:
    explicit WholeInput(std::span<const uint8_t> in) : in_(in) {}
    std::span<const uint8_t> await(size_t) override { return in_; }
    void abandon() override {}

private:
    std::span<const uint8_t> in_;
};

}  // namespace

void parseMatches(std::span<const uint8_t> in, uint32_t maxDistance, MatchTables& tables, const ParseEmit& emit) {
    MatchFinder finder(in, maxDistance, tables);
    const size_t n = in.size();
    size_t literalStart = 0;
    parseFrom(finder, n, 0, n, [&](size_t start, uint32_t length, uint32_t distance) {
        emit(literalStart, start - literalStart, length, distance);
        literalStart = start + length;
    });
    emit(literalStart, n - literalStart, 0, 0);
}

void parseMatchesInSegments(std::span<const uint8_t> in, uint32_t maxDistance, size_t segmentSize, unsigned threads,
                            const ParseEmit& emit) {
    WholeInput input(in);
    const size_t segments = std::max<size_t>(1, (in.size() + segmentSize - 1) / segmentSize);
    size_t literalStart = 0;
    parseInSegments(
        input, maxDistance, segmentSize, unsigned(std::min<size_t>(std::max(threads, 1u), segments)),
        [&](size_t start, uint32_t length, uint32_t distance) {
            emit(literalStart, start - literalStart, length, distance);
            literalStart = start + length;
        },
        [](size_t) {});
    emit(literalStart, in.size() - literalStart, 0, 0);
}

size_t parseInSegments(ParseInput& input, uint32_t maxDistance, size_t segmentSize, unsigned threads,
                       const FoundMatch& found, const std::function<void(size_t joinedTo)>& joined) {
    // Handed out in order; a deque, so that a segment stays where it is
    // while later ones are added.
    std::deque<Segment> segments;
    const size_t workers = std::max(threads, 1u);
    // Segments are parsed in order, at most a few ahead of the join, so
    // that the matches of only those few are held at a time.
    const size_t ahead = workers + 2;
    std::mutex mutex;
    std::condition_variable changed;
    size_t nextSegment = 0, joinedSegments = 0;
    bool stopping = false, noMore = false;

    // Parses segment i once its bytes and those a parse may look ahead at
    // are in (or the input has ended short of them).
    auto parseSegment = [&](Segment& s, size_t i) {
        try {
            s.begin = i * segmentSize;
            std::span<const uint8_t> in = input.await(s.begin + segmentSize + parseLookahead);
            s.n = in.size();
            if (s.begin >= s.n && i > 0) {
                s.pastTheEnd = true;
                return;
            }
            s.end = std::min(s.n, s.begin + segmentSize);
            auto at = std::make_unique<FinderAt>(in, maxDistance, s.begin);
            s.stoppedAt = parseFrom(at->finder, s.n, s.begin, s.end, [&](size_t start, uint32_t length, uint32_t distance) {
                s.matches.push_back({start, length, distance});
            });
        } catch (...) {
            s.error = std::current_exception();
        }
    };
    auto worker = [&] {
        nameThisThread("lzfse parse");
        for (;;) {
            size_t i;
            Segment* s;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopping || noMore || nextSegment < joinedSegments + ahead; });
                if (stopping || noMore) return;
                i = nextSegment++;
                s = &segments.emplace_back();
            }
            parseSegment(*s, i);
            {
                std::lock_guard lock(mutex);
                s->done = true;
                if (s->pastTheEnd || s->error) noMore = true;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    // Stops the workers however the join ends, waking any that wait for
    // input that will not come now.
    struct Stop {
        std::vector<std::thread>& pool;
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stopping;
        ParseInput& input;
        ~Stop() {
            {
                std::lock_guard lock(mutex);
                stopping = true;
            }
            changed.notify_all();
            input.abandon();
            for (auto& t : pool) t.join();
        }
    } stop{pool, mutex, changed, stopping, input};
    for (size_t t = 0; t < workers; ++t) pool.emplace_back(worker);

    // Waits for segment k, and lets the workers run on past it.
    auto await = [&](size_t k) -> Segment& {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return k < segments.size() && segments[k].done; });
        if (segments[k].error) std::rethrow_exception(segments[k].error);
        return segments[k];
    };
    auto release = [&](Segment& s, size_t k) {
        std::vector<ParsedMatch>().swap(s.matches);
        {
            std::lock_guard lock(mutex);
            joinedSegments = k + 1;
        }
        changed.notify_all();
        joined(s.end);
    };

    // Join: the parse so far stands at `pos`. Where the segment's own parse
    // also stood there (anywhere but strictly inside one of its matches),
    // the rest of that parse is the parse; otherwise go on alone until the
    // two meet.
    Segment& first = await(0);
    for (const ParsedMatch& m : first.matches) found(m.start, m.length, m.distance);
    size_t pos = first.stoppedAt;
    release(first, 0);
    for (size_t k = 1;; ++k) {
        Segment& s = await(k);
        if (s.pastTheEnd) break;
        std::unique_ptr<FinderAt> alone;
        while (pos < s.end && pos + MatchFinder::minLength <= s.n) {
            auto after = std::partition_point(s.matches.begin(), s.matches.end(),
                                              [&](const ParsedMatch& m) { return m.start + m.length <= pos; });
            if (after == s.matches.end() || after->start >= pos) {
                for (auto m = after; m != s.matches.end(); ++m) found(m->start, m->length, m->distance);
                pos = s.stoppedAt;
                break;
            }
            if (!alone) alone = std::make_unique<FinderAt>(input.await(0).first(s.n), maxDistance, pos);
            pos = parseFrom(alone->finder, s.n, pos, pos + 1, found);
        }
        release(s, k);
    }
    return pos;
}

}  // namespace lzfse
