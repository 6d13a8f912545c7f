#pragma once
// The arrow-shaped box of template E: a rounded box with a rounded tab on
// one long side, pointing up or down the page at the text it belongs to.
#include "Plattform/Ritning/BezierPath.h"
#include "Plattform/Geometry.h"

enum class Pilriktning { uppåt, nedåt };

// The outline for the box `i`: the body fills the rectangle's width and is
// 18/460 of its height taller, the extra on the tab's side (the body rests
// on the rectangle's foot for `uppåt`, hangs from its top for `nedåt`).
// The tab's place from the left edge and its size follow the height alone.
// Neither filled nor stroked.
BezierPath pilbana(const Rect& i, Pilriktning riktning);
