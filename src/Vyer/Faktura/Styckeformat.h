#pragma once
// The paragraph styles the layouts share: each the default style with one
// or two settings changed. A layout that needs another combination makes
// its own copy.
#include "Plattform/Font.h"

const ParagraphStyle& rightAligned();
const ParagraphStyle& centerAligned();
// Truncates each line at its tail; alignment stays the default.
const ParagraphStyle& truncatedTail();
// Left-aligned, wrapping between characters.
const ParagraphStyle& clippedLeftOnCharacters();

// The attributes in their own paragraph style, but cutting each line at the
// frame's edge instead of wrapping it: a text that keeps to its line.
TextAttributes påEnRad(TextAttributes attribut);
