// How much processor time a copy run takes against its wall time: the pause
// after each row must wait for messages, not spin.
#include <cstdio>

#include "app/app_state.h"
#include "bench_support.h"
#include "copy/copy_run.h"
#include "filelist/drop.h"

int main()
{
    using namespace vt;
    bench::OpenMainWindow();
    std::string src = bench::MakeTempDir("src"), dst = bench::MakeTempDir("dst");
    std::string dropped;
    for (int i = 0; i < 5; ++i) {
        std::string path = src + "lib" + std::to_string(i) + ".fne";
        bench::WriteBytes(path, 4096);
        dropped += path + "\r\n";
    }
    AddDroppedFiles(dropped);
    App().installDir = dst;

    double wall0 = bench::Now(), cpu0 = bench::CpuSeconds();
    CopyAllToInstallDir();
    double wall = bench::Now() - wall0, cpu = bench::CpuSeconds() - cpu0;
    std::printf("copy run over 5 files: wall %.2f s, cpu %.3f s, cpu/wall %.1f%% (limit 5%%)\n", wall, cpu,
                100.0 * cpu / wall);
    return cpu / wall <= 0.05 ? 0 : 1;
}
