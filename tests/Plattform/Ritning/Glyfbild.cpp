#include "Plattform/Ritning/Glyfbild.h"

#include <algorithm>

namespace glyfbild {

Bild rita(FT_Face face, FT_UInt glyf) {
    if (!glyf || FT_Load_Glyph(face, glyf, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) return {};
    const FT_Bitmap& m = face->glyph->bitmap;
    Bild b = tom(face->glyph->bitmap_left, face->glyph->bitmap_top, int(m.width), int(m.rows));
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k) b.bläck[size_t(r * b.bredd + k)] = m.buffer[r * m.pitch + k] >= 128;
    return b;
}

Bild tom(int vänster, int topp, int bredd, int höjd) {
    return {vänster, topp, bredd, höjd, std::vector<uint8_t>(size_t(bredd) * size_t(höjd))};
}

Bild vidgad(const Bild& b) {
    Bild bred = tom(b.vänster - 1, b.topp, b.bredd + 2, b.höjd), ut = tom(b.vänster - 1, b.topp + 1, b.bredd + 2, b.höjd + 2);
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k)
            if (b.bläck[size_t(r * b.bredd + k)])
                for (int d = 0; d < 3; ++d) bred.bläck[size_t(r * bred.bredd + k + d)] = 1;
    for (int r = 0; r < bred.höjd; ++r)
        for (int d = 0; d < 3; ++d)
            for (int k = 0; k < bred.bredd; ++k)
                ut.bläck[size_t((r + d) * ut.bredd + k)] |= bred.bläck[size_t(r * bred.bredd + k)];
    return ut;
}

Bild utan(const Bild& a, const Bild& b) {
    Bild ut = a;
    // The rows and columns the two share, walked by index.
    const int topp = std::min(a.topp, b.topp), botten = std::max(a.botten(), b.botten());
    const int vänster = std::max(a.vänster, b.vänster), höger = std::min(a.höger(), b.höger());
    for (int y = topp; y >= botten; --y) {
        uint8_t* rad = ut.bläck.data() + size_t((a.topp - y) * a.bredd);
        const uint8_t* under = b.bläck.data() + size_t((b.topp - y) * b.bredd);
        for (int x = vänster; x <= höger; ++x) rad[x - a.vänster] &= uint8_t(!under[x - b.vänster]);
    }
    return ut;
}

Bild rader(const Bild& b, int botten, int topp) {
    topp = std::min(topp, b.topp), botten = std::max(botten, b.botten());
    Bild ut = tom(b.vänster, topp, b.bredd, std::max(0, topp - botten + 1));
    std::copy_n(b.bläck.begin() + (b.topp - topp) * b.bredd, ut.bläck.size(), ut.bläck.begin());
    return ut;
}

std::vector<std::pair<int, int>> punkter(const Bild& b) {
    std::vector<std::pair<int, int>> ut;
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k)
            if (b.bläck[size_t(r * b.bredd + k)]) ut.emplace_back(b.vänster + k, b.topp - r);
    return ut;
}

std::optional<Ram> ram(const Bild& b) {
    std::optional<Ram> ut;
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k)
            if (b.bläck[size_t(r * b.bredd + k)]) {
                const int x = b.vänster + k, y = b.topp - r;
                if (!ut) ut = Ram{x, x, y, y};
                ut->vänster = std::min(ut->vänster, x), ut->höger = std::max(ut->höger, x), ut->botten = y;
            }
    return ut;
}

std::pair<double, double> upprätt(const Bild& b, double lutning, int botten, int topp) {
    double vänster = 1e9, höger = -1e9;
    for (int y = std::min(topp, b.topp); y >= std::max(botten, b.botten()); --y) {
        const uint8_t* rad = b.bläck.data() + size_t((b.topp - y) * b.bredd);
        int v = 0, h = b.bredd - 1;
        while (v <= h && !rad[v]) ++v;
        while (h >= v && !rad[h]) --h;
        if (v > h) continue;
        vänster = std::min(vänster, b.vänster + v - lutning * y), höger = std::max(höger, b.vänster + h - lutning * y);
    }
    return {(vänster + höger) / 2, höger - vänster + 1};
}

std::vector<std::vector<Lopp>> delar(const Bild& b) {
    // The runs row by row, each joined to those of the row above it meets
    // (a corner included); pieces are the sets joined.
    std::vector<Lopp> lopp;
    std::vector<size_t> förälder;
    auto rot = [&](size_t i) {
        while (förälder[i] != i) i = förälder[i] = förälder[förälder[i]];
        return i;
    };
    size_t ovan = 0;  // where the row above's runs begin
    for (int r = 0; r < b.höjd; ++r) {
        const size_t början = lopp.size();
        const uint8_t* rad = b.bläck.data() + size_t(r * b.bredd);
        for (int k = 0; k < b.bredd; ++k) {
            if (!rad[k]) continue;
            const int x0 = k;
            while (k + 1 < b.bredd && rad[k + 1]) ++k;
            lopp.push_back({b.topp - r, b.vänster + x0, b.vänster + k});
            förälder.push_back(förälder.size());
            for (size_t i = ovan; i < början; ++i)
                if (lopp[i].x0 <= lopp.back().x1 + 1 && lopp[i].x1 >= lopp.back().x0 - 1)
                    förälder[rot(i)] = rot(lopp.size() - 1);
        }
        ovan = början;
    }
    std::vector<std::vector<Lopp>> grupper(lopp.size());
    std::vector<int> storlek(lopp.size());
    for (size_t i = 0; i < lopp.size(); ++i) {
        grupper[rot(i)].push_back(lopp[i]);
        storlek[rot(i)] += lopp[i].x1 - lopp[i].x0 + 1;
    }
    std::vector<std::vector<Lopp>> ut;
    for (size_t i = 0; i < lopp.size(); ++i)
        if (storlek[i] >= 6) ut.push_back(std::move(grupper[i]));
    return ut;
}

double streck(const Bild& b) {
    // Chamfer distances (3 a step, 4 a diagonal one) within a bare frame.
    const int w = b.bredd + 2, h = b.höjd + 2;
    std::vector<int> d(size_t(w) * size_t(h), 0);
    for (int r = 0; r < b.höjd; ++r)
        for (int k = 0; k < b.bredd; ++k)
            if (b.bläck[size_t(r * b.bredd + k)]) d[size_t((r + 1) * w + k + 1)] = 1 << 20;
    auto svep = [&](int r, int k, int s) {
        int& v = d[size_t(r * w + k)];
        v = std::min({v, d[size_t(r * w + k - s)] + 3, d[size_t((r - s) * w + k)] + 3,
                      d[size_t((r - s) * w + k - 1)] + 4, d[size_t((r - s) * w + k + 1)] + 4});
    };
    for (int r = 1; r < h - 1; ++r)
        for (int k = 1; k < w - 1; ++k) svep(r, k, 1);
    for (int r = h - 2; r > 0; --r)
        for (int k = w - 2; k > 0; --k) svep(r, k, -1);
    double summa = 0;
    int antal = 0;
    for (int v : d)
        if (v) summa += v / 3.0 - 0.5, ++antal;
    return antal ? 4 * summa / antal : 0;
}

int rör(const Bild& a, const Bild& b, int dx, int botten, int topp) {
    int n = 0;
    const int vänster = std::max(a.vänster, b.vänster - dx), höger = std::min(a.höger(), b.höger() - dx);
    for (int y = std::min({a.topp, b.topp, topp}); y >= std::max({a.botten(), b.botten(), botten}); --y) {
        const uint8_t* rad = a.bläck.data() + size_t((a.topp - y) * a.bredd);
        const uint8_t* under = b.bläck.data() + size_t((b.topp - y) * b.bredd);
        for (int x = vänster; x <= höger; ++x) n += rad[x - a.vänster] & under[x + dx - b.vänster];
    }
    return n;
}

}  // namespace glyfbild
