// Helpers shared by the fuzz targets.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ui/text.h"

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace vt::fuzz {

// True when position (1-based) starts a character of text under isLead.
inline bool StartsCharacter(std::string_view text, int position, text::LeadByteTest isLead)
{
    size_t i = 0, at = static_cast<size_t>(position - 1);
    while (i < at)
        i += (isLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    return i == at;
}

} // namespace vt::fuzz
