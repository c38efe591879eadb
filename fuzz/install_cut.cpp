// The registry text to install directory cut, on both kinds of code page: the
// result is a prefix that is empty or ends in a real backslash, and no real
// backslash follows it.
#include <string>

#include "fuzz_common.h"

namespace {

void Check(std::string_view value, vt::text::LeadByteTest isLead)
{
    std::string dir = vt::text::CutAfterLastBackslash(value, isLead);
    FUZZ_CHECK(dir.size() <= value.size());
    FUZZ_CHECK(value.compare(0, dir.size(), dir) == 0);
    if (!dir.empty()) {
        FUZZ_CHECK(dir.back() == '\\');
        FUZZ_CHECK(vt::fuzz::StartsCharacter(value, static_cast<int>(dir.size()), isLead));
    }
    // No real backslash after the cut.
    size_t i = 0;
    while (i < value.size()) {
        bool lead = isLead(static_cast<unsigned char>(value[i])) && i + 1 < value.size();
        if (!lead && value[i] == '\\')
            FUZZ_CHECK(i + 1 <= dir.size());
        i += lead ? 2 : 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    std::string_view value(reinterpret_cast<const char*>(data), size);
    Check(value, vt::text::Cp936LeadByte);
    Check(value, vt::text::NoLeadBytes);
    return 0;
}
