#pragma once
// A PDF written by hand, one object per line, with a correct cross-
// reference table: for boxes and shapes our writer never makes, and for
// the hostile files the benchmarks feed the tool. Needs no test framework,
// so the benchmarks build it too.
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
// A stream object with these dictionary entries (its length added).
std::string handmadeStream(const std::string& entries, const std::string& data);

}  // namespace testhjalp
