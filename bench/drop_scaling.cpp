// Adding dropped files must grow linearly with their number.
#include <cstdio>

#include "bench_support.h"
#include "filelist/drop.h"
#include "filelist/file_list.h"

int main()
{
    using namespace vt;
    bench::OpenMainWindow();
    std::string dir = bench::MakeTempDir("drop");
    std::string small, large;
    for (int i = 0; i < 10000; ++i) {
        std::string path = dir + "support_library_" + std::to_string(i) + ".fne";
        bench::WriteBytes(path, 100);
        std::string entry = path + "\r\n";
        if (i < 1000)
            small += entry;
        large += entry;
    }
    auto timeDrop = [](const std::string& text) {
        ClearFileList();
        double t0 = bench::Now();
        AddDroppedFiles(text);
        return bench::Now() - t0;
    };
    timeDrop(small); // warm the caches once
    double t1k = timeDrop(small), t10k = timeDrop(large);
    std::printf("drop of 1,000 files: %.3f s; of 10,000: %.3f s; ratio %.1f (limit 12); 10,000 under 3 s: %s\n", t1k,
                t10k, t10k / t1k, t10k < 3 ? "yes" : "no");
    return (t10k / t1k <= 12 && t10k < 3) ? 0 : 1;
}
