#pragma once
// The title block's texts, for a template that sets one of them among its
// own blocks: it passes the title block an empty frame for that text.
#include "Vyer/Faktura/Fakturavy.h"

#include <optional>
#include <string>

// The reminder the title block prints, if any.
std::optional<std::string> påminnelseSomVisas(const Fakturavy& vy);
// The F-tax note, when the ledger is approved for F-tax.
std::optional<std::string> fskattSomVisas(const Fakturavy& vy);
