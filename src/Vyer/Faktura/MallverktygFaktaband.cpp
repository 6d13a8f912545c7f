#include "Vyer/Faktura/MallverktygFaktaband.h"

#include <algorithm>
#include <string>
#include <vector>

namespace mallverktyg {

namespace {

// How near the page's edge a row may reach: the legibility margin of text.
constexpr double marginal = 6;
// After a fact before the next separator, and between two rows.
constexpr double efterFaktum = 12, mellanRaderna = 10;

struct Post {
    AttributedString text;
    double x = 0, bredd = 0;
};

}  // namespace

BezierPath skåra() {
    BezierPath väg;
    väg.moveTo({-6, -26});
    for (Point p : {Point{-6, -6}, Point{0, 0}, Point{-6, 6}, Point{-6, 26}}) väg.lineTo(p);
    return väg;
}

double faktaband(rumsplan::Plan& plan, const Fakturavy& vy, const Datalista& data,
                 const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                 const BezierPath& separator, const Color& färg, const Faktabandval& val) {
    const Rect sida = vy.ramFörEnSida(), sep = separator.bounds();
    const double topp = sida.maxY() - val.ram.maxY(), kant = sida.maxX() - marginal, bredd = kant - val.ram.x;
    const double steg = 6 + sep.width * val.skala;  // from a separator to its fact
    // The separator's middle and foot below its row's top.
    const double mitt = sida.maxY() - val.ram.midY() - topp, separatornsFot = mitt + sep.maxY() * val.skala;

    std::vector<std::vector<Post>> rader;
    double x = kant;
    for (const Datapost& post : data) {
        if (!post.rubrik || !post.värde) continue;
        AttributedString text(*post.rubrik + std::string(lineSeparator), rubrikattribut);
        text.append(*post.värde, värdeattribut);
        const double b = std::min(std::max(0.0, vy.mätare.boundingSize(text, {10000, 1000}).width), bredd - steg);
        if (rader.empty() || x + steg + b > kant) rader.emplace_back(), x = val.ram.x;
        rader.back().push_back({std::move(text), x + steg, b});
        x += steg + b + efterFaktum;
    }
    if (rader.empty()) return val.fot;
    auto texter = [&](const std::vector<Post>& rad, double y) {
        std::vector<rumsplan::Text> ut;
        for (const Post& p : rad) ut.push_back({p.text, {p.x, y, p.bredd, val.ram.height}});
        return ut;
    };

    // Each row as high as its tallest fact and the band's frame; where
    // they pass `nederst`, the tallest have less, down to one height.
    rumsplan::Rum prov("facts", {val.ram.x, topp, bredd, sida.height});
    for (const auto& rad : rader) prov.block("facts", texter(rad, topp));
    std::vector<double> höjd;
    for (const auto& plats : plan.blockensPlatser(prov)) höjd.push_back(std::max(val.ram.height, plats.höjd));
    const size_t n = höjd.size();
    std::vector<double> stigande = höjd;
    std::sort(stigande.begin(), stigande.end());
    double kvar = val.nederst - topp - mellanRaderna * double(n - 1) - (separatornsFot - val.ram.height);
    double tak = stigande.back();
    for (size_t i = 0; i < n; kvar -= stigande[i++])
        if (stigande[i] * double(n - i) > kvar) {
            tak = kvar / double(n - i);
            break;
        }

    // A row less high than the band's frame has its separators smaller.
    auto skala = [&](double h) { return std::min(1.0, (h + mellanRaderna) / (val.ram.height + mellanRaderna)); };
    std::vector<double> y = {topp};
    for (size_t r = 0; r + 1 < n; ++r) y.push_back(y[r] + std::min(höjd[r], tak) + mellanRaderna);
    const double sista = std::min(höjd.back(), tak);
    const double fot = std::max(val.fot, y.back() + std::max(sista, separatornsFot * skala(sista)));
    const rumsplan::Rum* förra = nullptr;
    for (size_t r = 0; r < n; ++r) {
        const double h = std::min(höjd[r], tak), s = skala(h);
        auto& rum = plan.rum("facts", {val.ram.x, y[r], bredd, r + 1 == n ? fot - y[r] : h});
        rum.block("facts", texter(rader[r], y[r]));
        if (förra) plan.krymperMed(*förra, rum);
        förra = &rum;
        for (const Post& p : rader[r])
            plan.rita({std::nullopt,
                       AffineTransform::translation(p.x - steg, y[r] + mitt * s).scaled(val.skala * s, val.skala * s),
                       cachad::path{separator, std::nullopt, färg}});
    }
    return fot;
}

}  // namespace mallverktyg
