#pragma once
// The one source of "today" for the whole program: the local calendar day
// (TZ honoured) of the current instant, replaceable by tests.
#include <cstdint>
#include <functional>

namespace klocka {
struct Dag {
    int64_t år;
    int månad;
    int dag;
};
// Today's local calendar day.
Dag idag();
// Tests fix the day; an empty function restores the system clock.
void sättIdag(std::function<Dag()> källa);
}  // namespace klocka
