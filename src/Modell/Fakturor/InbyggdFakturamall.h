#pragma once
// The built-in invoice templates. Documents and the JSON import name a
// template by its code; the layout engine loads its page background by
// `pdfnamn`.
#include "Koder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

enum class InbyggdFakturamall : uint8_t {
    Standard,
    Karvomat4,
    Vinter,
    Vågor,
    Trädgård,
    SmåLådor,
    SmåGrönaLådor,
    SmåBlåLådor,
    SlutPåRödToner,
    SlutPåGrönToner,
    Skrivmaskin,
    Skog,
    Rokoko,
    Regnbåge,
    Ramar,
    RödaPrickar,
    GråPrickar,
    Pixi,
    Piktogram,
    Papper,
    Natur,
    Minimal,
    Kurvor,
    Klassisk,
    Himmel,
    Färgband,
    FallandeLöv,
    Diskret,
    Diagonal,
    Copperplate,
    Blomma,
    Band_variant,
    Band,
    Norsk1,
    Norsk2,
    Finsk1,
    Finsk2,
};

inline constexpr size_t antalInbyggdaFakturamallar = 37;

// Every case in declaration order.
const std::array<InbyggdFakturamall, antalInbyggdaFakturamallar>& allaInbyggdaFakturamallar();

// The stored code ("Df", "Karvomat4", ...).
std::string_view kod(InbyggdFakturamall mall);
// Exact, case-sensitive match against the 37 codes.
template <>
std::optional<InbyggdFakturamall> frånKod<InbyggdFakturamall>(std::string_view kod);
// The name (without extension) of the background PDF, none for templates
// that draw on a blank page.
std::optional<std::string_view> pdfnamn(InbyggdFakturamall mall);
