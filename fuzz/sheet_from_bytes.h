#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sheet.h"

namespace trelvin {

// The fields of a sheet in the order a Compute run writes them: each larger
// model row's 1 - R² and e, then the smaller model's, then d and n, then the
// five comparison results.
inline std::vector<std::string*> fieldsInRunOrder(ComparisonSheet& sheet) {
    std::vector<std::string*> fields;
    for (auto [esq, e] : {std::pair{&sheet.lmesq, &sheet.lme}, std::pair{&sheet.smesq, &sheet.sme}})
        for (int row = 1; row <= kRows; ++row) {
            fields.push_back(&(*esq)(row));
            fields.push_back(&(*e)(row));
        }
    for (std::string* field : {&sheet.d, &sheet.n, &sheet.nfitl, &sheet.nfits, &sheet.nq, &sheet.nw, &sheet.np})
        fields.push_back(field);
    return fields;
}

// The 26 texts a user types, in the window's order.
inline std::vector<std::string*> entries(ComparisonSheet& sheet) {
    std::vector<std::string*> fields;
    for (SheetRows* rows : {&sheet.lmr, &sheet.smr})
        for (int row = 1; row <= kRows; ++row) fields.push_back(&(*rows)(row));
    fields.push_back(&sheet.n);
    fields.push_back(&sheet.d);
    return fields;
}

inline constexpr std::size_t kLongestStretch = std::size_t{1} << 20;

// A sheet from fuzzer bytes. From the front, texts in FuzzedDataProvider's
// form (each ends at a backslash followed by any other byte; two
// backslashes stand for one): the 26 entries lmr(1..12), smr(1..12), n, d,
// then the earlier texts of the results in run order (lmesq(1), lme(1), ...,
// sme(12), and nfitl, nfits, nq, nw, np; d and n are entries). Bytes run out
// as empty texts, the state of a new window.
//
// The last four bytes, read backwards from the end, can make one entry huge
// without a huge input: the last byte picks an entry (26 and above, most
// values, none: huge entries are slow), the next two a position in it (modulo
// its length), and the one before them modulo 21 a power of two up to 2^20;
// the byte at that position is repeated until the entry is that long ("0.3"
// at position 2 gives "0.333...", "1e9" at 2 an exponent of a million digits).
inline ComparisonSheet sheetFromBytes(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int stretchedEntry = data.ConsumeIntegral<std::uint8_t>();
    const auto stretchAt = data.ConsumeIntegral<std::uint16_t>();
    const std::size_t stretchTo = std::size_t{1} << data.ConsumeIntegralInRange(0, 20);

    ComparisonSheet sheet;
    const std::vector<std::string*> typed = entries(sheet);
    for (std::string* entry : typed) *entry = data.ConsumeRandomLengthString();
    for (std::string* result : fieldsInRunOrder(sheet))
        if (result != &sheet.n && result != &sheet.d) *result = data.ConsumeRandomLengthString();

    if (stretchedEntry < static_cast<int>(typed.size())) {
        std::string& entry = *typed[static_cast<std::size_t>(stretchedEntry)];
        if (!entry.empty() && entry.size() < stretchTo) {
            const std::size_t at = stretchAt % entry.size();
            entry.insert(at, stretchTo - entry.size(), entry[at]);
        }
    }
    return sheet;
}

}  // namespace trelvin
