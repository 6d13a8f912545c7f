#pragma once
// The user-defaults store: a process-wide table of typed values by key.
// It lives only for the run; nothing is written to disk.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class Användarinställningar {
public:
    using Värde = std::variant<bool, int64_t, std::string, double, std::vector<std::string>>;

    static Användarinställningar& standard();

    void sätt(const std::string& nyckel, Värde värde) { värden_[nyckel] = std::move(värde); }
    void tabort(const std::string& nyckel) { värden_.erase(nyckel); }
    bool finns(const std::string& nyckel) const { return värden_.count(nyckel) != 0; }

    // A missing key, or one of another type, gives false / 0 / none, the
    // way the platform's typed getters answer.
    bool boolVärde(const std::string& nyckel) const;
    int64_t heltal(const std::string& nyckel) const;
    std::optional<std::string> text(const std::string& nyckel) const;
    // A number of either kind as a floating-point value; otherwise 0.
    double flyttal(const std::string& nyckel) const;
    std::optional<std::vector<std::string>> textlista(const std::string& nyckel) const;

    void rensa() { värden_.clear(); }

private:
    std::map<std::string, Värde> värden_;
};
