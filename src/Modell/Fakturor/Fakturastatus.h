#pragma once
// The payment status of a sent invoice. The codes are not in case order.
#include "Koder.h"

#include <array>
#include <cstdint>
#include <optional>

enum class Fakturastatus : int64_t {
    skickad = 1,            // sent, not yet due
    förfallen = 2,          // overdue
    betald = 6,             // paid
    påmind = 3,             // exactly one reminder sent
    påmindFleraGånger = 4,  // two or more reminders sent
    återköpt = 7,           // returned or bought back
    kundförlust = 8,        // credit loss
    delbetald = 5,          // partly paid
};

// Every case in declaration order.
const std::array<Fakturastatus, 8>& allaFakturastatusar();

inline int64_t kod(Fakturastatus status) { return static_cast<int64_t>(status); }
template <>
std::optional<Fakturastatus> frånKod<Fakturastatus>(int64_t kod);
