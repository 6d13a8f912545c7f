#pragma once
// Inputs that make many values of few bytes: one part written again and
// again, for the bounds of the import and the memory it takes.
#include <cstddef>
#include <string>
#include <string_view>

// `del` written `gånger` times with `mellan` between, after `början` and
// before `slut`.
inline std::string upprepat(std::string_view början, std::string_view del, std::string_view slut, size_t gånger,
                            std::string_view mellan = ",") {
    std::string t(början);
    t.reserve(början.size() + gånger * (del.size() + mellan.size()) + slut.size());
    for (size_t i = 0; i < gånger; ++i) {
        if (i) t += mellan;
        t += del;
    }
    return t += slut;
}

inline std::string upprepat(std::string_view del, size_t gånger, std::string_view mellan = ",") {
    return upprepat("", del, "", gånger, mellan);
}
