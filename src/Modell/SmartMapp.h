#pragma once
// A saved search of the user: a title, what it searches and its predicate.
#include "Koder.h"
#include "Modell/Referenser.h"
#include "Plattform/Bytes.h"
#include "Strommar.h"

#include <cstdint>
#include <optional>
#include <string>

enum class TypAvSmartMapp : int64_t { förVerifikationer = 0, förFakturor = 1, förLeverantörsfakturor = 2 };

constexpr int64_t kod(TypAvSmartMapp t) { return static_cast<int64_t>(t); }
template <>
inline std::optional<TypAvSmartMapp> frånKod<TypAvSmartMapp>(int64_t kod) {
    if (kod < 0 || kod > 2) return std::nullopt;
    return static_cast<TypAvSmartMapp>(kod);
}

class SmartMapp : public Sparbar {
public:
    std::string rubrik;
    TypAvSmartMapp typ = TypAvSmartMapp::förVerifikationer;
    bool visaIndikator = false;
    // The archived predicate exactly as stored. Nothing here evaluates it,
    // and it is written back unchanged, so no saved search is ever lost.
    std::optional<Bytes> predikat;

    SmartMapp() = default;
    // An unknown kind code throws SkadatDokument.
    SmartMapp(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;
};
