#pragma once
// Captions with their values in one text: on one line (a caption, a space
// and the value in its own attributes), or stacked (the caption in
// capitals over its value), and stacks of such texts placed by their
// measured heights.
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Mallverktyg.h"

namespace rumsplan {
class Plan;
}

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace mallverktyg {

// "Caption value": the caption and one space, then the value.
AttributedString rubrikOchVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                const TextAttributes& värdeattribut);

// The caption in capitals and a paragraph separator, then the value.
AttributedString rubrikÖverVärde(std::string_view rubrik, const TextAttributes& rubrikattribut, std::string_view värde,
                                 const TextAttributes& värdeattribut);
// One such text for each fact with both caption and value (an empty value
// counts), in the list's order.
std::vector<AttributedString> rubrikerÖverVärden(const Datalista& data, const TextAttributes& rubrikattribut,
                                                 const TextAttributes& värdeattribut);

// The payment term and the due date on one line:
// "Payment terms 30 days  •  Due date 2024-03-05".
std::string villkorOchFörfallodatum(const Fakturavy& vy);

// The foot of an item column at the right, on every page of an invoice:
// the amount to pay at (x, 679, bredd, 19), its caption and a space in one
// face, the amount in another, and under it the payment term and the due
// date on one line at (x, 698, bredd, 17), "Payment terms 30 days  •  Due
// date 2024-03-05". Nothing on a delivery note.
void villkorOchAttBetala(rumsplan::Plan& plan, const Fakturavy& vy, Spalt spalt, const TextAttributes& villkorsattribut,
                         const TextAttributes& beloppsrubrikattribut, const TextAttributes& beloppsattribut);

}  // namespace mallverktyg
