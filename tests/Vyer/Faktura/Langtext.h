#pragma once
// Item texts taller than a page, and the check that a PDF prints each of
// them whole: every word once and in order, read back with pdftotext.
#include "Pdfkontroll.h"

#include <cstddef>
#include <string>
#include <vector>

namespace långtext {

// `antal` words "förled0001 förled0002 ...".
std::string ord(const std::string& förled, int antal);
// Words "förled00001 förled00002 ..." up to `längd` characters in all.
std::string ordTill(const std::string& förled, size_t längd);
// One word of `längd` letters x, y and z in which no eleven letters
// repeat: a piece out of place or missing shows.
std::string ettOrd(size_t längd);

// Three items no page holds: 600 words, one word of 10 000 characters, and
// 10 000 characters of words.
std::vector<std::string> treLångaPoster();

// What the PDF's words miss of `text`, one sentence, or nothing when its
// words stand there each once and in order. A text of one word is read as
// the pieces the lines of its cell hold, joined.
std::string brister(const std::vector<pdfkontroll::Ord>& ord, const std::string& text);

}  // namespace långtext
