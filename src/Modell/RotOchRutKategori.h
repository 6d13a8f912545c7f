#pragma once
// The ROT/RUT work category of an article; the stored code is the case's
// position.
#include "Koder.h"
#include <cstdint>
#include <optional>

enum class ROT_och_RUT_kategori : int64_t {
    ej_rot_och_rut = 0,
    bygg = 1,
    el = 2,
    glas_och_plåt = 3,
    mark_och_dränering = 4,
    murning = 5,
    målning = 6,
    vvs = 7,
    personlig_omsorg = 8,
    barnpassning = 9,
    hemtextil_klädvård = 10,
    flytt = 11,
    ittjänster = 12,
    snöskottning = 13,
    städning = 14,
    trädgårdsarbete = 15,
    reparation_vitvaror = 16,
};

constexpr int64_t kod(ROT_och_RUT_kategori k) { return static_cast<int64_t>(k); }
// 0 to 16; anything else gives none.
template <>
inline std::optional<ROT_och_RUT_kategori> frånKod<ROT_och_RUT_kategori>(int64_t kod) {
    if (kod < 0 || kod > 16) return std::nullopt;
    return static_cast<ROT_och_RUT_kategori>(kod);
}
