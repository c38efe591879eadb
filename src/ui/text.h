// Byte-string operations on texts in the system code page.
//
// Positions are 1-based byte positions; a search that finds nothing gives -1.
// Searches step over a two-byte character as a whole, so a match never
// begins on its second byte. Which bytes lead a two-byte character is asked
// of the caller's code page through a LeadByteTest, so this file stays free
// of Win32 and can be tested for any code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vt::text {

using LeadByteTest = bool (*)(unsigned char);

// Lead-byte tests of two code pages, for callers that know theirs.
bool NoLeadBytes(unsigned char);   // any single-byte code page
bool Cp936LeadByte(unsigned char); // Simplified Chinese (GBK)

// First occurrence of pattern in text, from position 1, case-sensitive.
// An empty pattern is found at position 1 of a non-empty text.
int Find(std::string_view text, std::string_view pattern, LeadByteTest isLead);

// Last occurrence of pattern in text, under the same rules. An empty pattern
// is found at the start of the last character.
int FindLast(std::string_view text, std::string_view pattern, LeadByteTest isLead);

// The first / last min(n, size) bytes; n <= 0 gives an empty text.
std::string Left(std::string_view text, int n);
std::string Right(std::string_view text, int n);

// Each separator ends a piece (an empty one too); a separator at the very end
// adds no empty piece; an empty text gives no pieces.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// Decimal digits, with a minus sign when negative.
std::string ToDecimal(std::int64_t value);

// The text up to and including its last backslash, or an empty text when it
// has none. A 0x5C that is the second byte of a two-byte character is no
// backslash.
std::string CutAfterLastBackslash(std::string_view text, LeadByteTest isLead);

// A byte count in whole kilobytes (1024 bytes), rounded up.
std::uint64_t KilobytesRoundedUp(std::uint64_t bytes);

} // namespace vt::text
