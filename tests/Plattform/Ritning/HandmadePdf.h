#pragma once
// A PDF written by hand, one object per line, with a correct cross-
// reference table: for boxes and shapes our writer never makes, and for
// the hostile files the benchmarks feed the tool. Needs no test framework,
// so the benchmarks build it too.
#include "Exempel/HandskrivenPdf.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testhjalp {

// Page i (from 0) is object 3 + 2i, its content 4 + 2i; the objects in
// `more` follow the last page's, in order.
struct HandmadePage {
    std::string mediaBox = "0 0 200 100";
    std::string cropBox = "";  // none when empty
    int rotate = 0;
    std::string content = "0 0 1 rg 10 10 50 30 re f";
    std::string resources = "";       // the resource dictionary's entries; none when empty
    std::string contentEntries = "";  // the content stream's own entries ("/Filter /FlateDecode")
};
std::vector<uint8_t> handmadePdf(const std::vector<HandmadePage>& pages, const std::vector<std::string>& more = {});

// Shapes of hostile files, made where they are needed and never stored.
// One page (object 3) whose resources hold a chain of `links` arrays from
// object 5 on, each referring to the next.
std::vector<uint8_t> chainedArraysPdf(int links);
// A free-form triangle mesh (shading type 4) of `triangles` triangles in
// one strip over a 595 x 842 page: its dictionary entries and its data.
std::string meshShadingEntries();
std::string meshShadingData(int triangles);
// One page whose cross-reference table claims `objects` objects more in
// a few bytes a thousand (a run-length coded stream): a reader that makes
// room for each takes about a hundred bytes apiece.
std::vector<uint8_t> xrefClaimingPdf(int objects);

// Data deflated, for a stream with /Filter /FlateDecode.
std::string deflated(const std::string& data);

// Small files that ask the reader who draws them for gigabytes or minutes,
// each one A4 page: meshes of 1-bit coordinates (a byte a vertex or a few
// a patch), an image whose codestream states far more pixels than its
// dictionary, a tiling pattern of 0.01 pt cells over the page, a function
// shading whose PostScript function runs 200 000 operators for each pixel,
// a mesh of 20 KB whose triangles cross the page, painted ten times.
struct HostilePdf {
    std::string name;
    std::vector<uint8_t> pdf;
};
std::vector<HostilePdf> hostilePdfs();
// A piece of them, for the tests that vary one: a JBIG2 segment stating a
// page of this size.
std::string jbig2PageInformation(uint32_t width, uint32_t height);
// An image of 10 x 10 pixels in the dictionary, drawn over the page,
// with these filter entries and data.
std::vector<uint8_t> imagePdf(const std::string& filterEntries, const std::string& data,
                              const std::vector<std::string>& more = {});

}  // namespace testhjalp
