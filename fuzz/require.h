#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property aborts: libFuzzer reports the abort as a crash and keeps
// the input that caused it.
inline void require(bool holds, const char* property, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "\nproperty broken: %s", property);
    if (!detail.empty()) std::fprintf(stderr, " [%.*s]", static_cast<int>(detail.size()), detail.data());
    std::fprintf(stderr, "\n");
    std::abort();
}
