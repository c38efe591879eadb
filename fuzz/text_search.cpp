// Search and reverse search: positions are in range, start a character, hold
// the pattern, and first <= last; Left and Right never read past the end.
#include <string>

#include "fuzz_common.h"

namespace {

void Check(std::string_view text, std::string_view pattern, vt::text::LeadByteTest isLead)
{
    int first = vt::text::Find(text, pattern, isLead);
    int last = vt::text::FindLast(text, pattern, isLead);
    FUZZ_CHECK((first == -1) == (last == -1));
    for (int pos : {first, last}) {
        if (pos == -1)
            continue;
        FUZZ_CHECK(pos >= 1 && static_cast<size_t>(pos) <= text.size() + (pattern.empty() ? 1 : 0));
        FUZZ_CHECK(text.substr(static_cast<size_t>(pos - 1), pattern.size()) == pattern);
        FUZZ_CHECK(vt::fuzz::StartsCharacter(text, pos, isLead));
    }
    FUZZ_CHECK(first <= last);
    int n = static_cast<int>(pattern.size()) - 3;
    FUZZ_CHECK(vt::text::Left(text, n).size() == static_cast<size_t>(std::max(0, std::min<int>(n, static_cast<int>(text.size())))));
    FUZZ_CHECK(vt::text::Right(text, n).size() == vt::text::Left(text, n).size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says where the pattern ends and the text begins.
    size_t split = data[0] % size;
    std::string_view all(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string_view pattern = all.substr(0, std::min(split, all.size()));
    std::string_view text = all.substr(pattern.size());
    Check(text, pattern, vt::text::Cp936LeadByte);
    Check(text, pattern, vt::text::NoLeadBytes);
    return 0;
}
