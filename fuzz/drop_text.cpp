// A sequence of drop texts, with clears between some of them: no path is
// accepted twice between clears, every accepted path is a library name and a
// whole piece of its drop, and pieces come out in drop order.
#include <string>
#include <unordered_set>

#include "filelist/drop_rules.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::unordered_set<std::string> accepted, everAccepted;
    // Drops are separated by 0x00; a 0x01 at a drop's start clears first.
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find('\0', start);
        if (end == std::string_view::npos)
            end = input.size();
        std::string_view drop = input.substr(start, end - start);
        if (!drop.empty() && drop[0] == '\x01') {
            accepted.clear();
            everAccepted.clear();
            drop.remove_prefix(1);
        }
        std::vector<std::string> pieces = vt::text::Split(drop, "\r\n");
        std::vector<std::string> fresh = vt::NewLibraryPaths(drop, accepted);
        size_t next = 0;
        for (const std::string& path : fresh) {
            FUZZ_CHECK(vt::IsLibraryFileName(path));
            FUZZ_CHECK(everAccepted.insert(path).second); // never twice before a clear
            FUZZ_CHECK(path.find("\r\n") == std::string::npos);
            while (next < pieces.size() && pieces[next] != path)
                ++next;
            FUZZ_CHECK(next < pieces.size()); // a whole piece, in order
        }
        FUZZ_CHECK(accepted.size() == everAccepted.size());
        start = end + 1;
    }
    return 0;
}
