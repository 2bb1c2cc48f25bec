#pragma once

#include <array>
#include <string>

namespace trelvin {

// Sub-model rows of one model, numbered 1 to 12 as the window shows them.
inline constexpr int kRows = 12;

template <typename T>
struct Rows {
    std::array<T, kRows> items{};

    T& operator()(int item) { return items.at(static_cast<std::size_t>(item - 1)); }
    const T& operator()(int item) const { return items.at(static_cast<std::size_t>(item - 1)); }

    bool operator==(const Rows&) const = default;
};

using SheetRows = Rows<std::string>;

// Every entry and result of one window, as texts. Field names are the names
// of the controls that show them; every field starts empty and a Compute run
// never empties one.
struct ComparisonSheet {
    SheetRows lmr;    // larger model: R² entries
    SheetRows lmesq;  // larger model: 1 - R²
    SheetRows lme;    // larger model: e = (1 - R²)^0.5
    SheetRows smr;    // smaller model: R² entries
    SheetRows smesq;  // smaller model: 1 - R²
    SheetRows sme;    // smaller model: e
    std::string n;    // sample size N, rewritten by the run
    std::string d;    // deleted paths d, rewritten by the run
    std::string nfitl;
    std::string nfits;
    std::string nq;
    std::string nw;
    std::string np;

    bool operator==(const ComparisonSheet&) const = default;
};

}  // namespace trelvin
