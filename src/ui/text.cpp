#include "ui/text.h"

#include <algorithm>

namespace vt::text {

bool NoLeadBytes(unsigned char) { return false; }

bool Cp936LeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

namespace {

// Width in bytes of the character that starts at text[i]. A lead byte at the
// very end of the text stands alone.
size_t CharWidth(std::string_view text, size_t i, LeadByteTest isLead)
{
    return (isLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}

} // namespace

int Find(std::string_view text, std::string_view pattern, LeadByteTest isLead)
{
    if (text.empty() || pattern.size() > text.size())
        return -1;
    // Matches start on character boundaries inside the text.
    for (size_t i = 0; i < text.size() && i + pattern.size() <= text.size(); i += CharWidth(text, i, isLead)) {
        if (text.compare(i, pattern.size(), pattern) == 0)
            return static_cast<int>(i) + 1;
    }
    return -1;
}

int FindLast(std::string_view text, std::string_view pattern, LeadByteTest isLead)
{
    if (text.empty() || pattern.size() > text.size())
        return -1;
    int last = -1;
    for (size_t i = 0; i < text.size() && i + pattern.size() <= text.size(); i += CharWidth(text, i, isLead)) {
        if (text.compare(i, pattern.size(), pattern) == 0)
            last = static_cast<int>(i) + 1;
    }
    return last;
}

std::string Left(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    return std::string(text.substr(0, std::min<size_t>(static_cast<size_t>(n), text.size())));
}

std::string Right(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    size_t count = std::min<size_t>(static_cast<size_t>(n), text.size());
    return std::string(text.substr(text.size() - count));
}

std::vector<std::string> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            break;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    return pieces;
}

std::string ToDecimal(std::int64_t value)
{
    return std::to_string(value);
}

std::string CutAfterLastBackslash(std::string_view text, LeadByteTest isLead)
{
    int pos = FindLast(text, "\\", isLead);
    return Left(text, pos);
}

std::uint64_t KilobytesRoundedUp(std::uint64_t bytes)
{
    return bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
}

} // namespace vt::text
