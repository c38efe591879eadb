// Times the copy run's copy step on one file: copy_step SOURCE DESTINATION.
// bench.sh compares it with cp of the same file in the same run.
#include <cstdio>

#include "bench_support.h"
#include "copy/copy_run.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    double t0 = vt::bench::Now();
    bool ok = vt::CopyLibraryFile(argv[1], argv[2]);
    double t = vt::bench::Now() - t0;
    std::printf("%.4f\n", t);
    return ok ? 0 : 1;
}
