#include "BenchTimer.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

double BenchTimer::medianMs(int runs, const std::function<void()>& work,
                            const std::function<void()>& setup)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void BenchTimer::print(const QString& what, double ms, double targetMs)
{
    std::printf("%-48s %9.3f ms   (target < %g ms) %s\n", qPrintable(what), ms, targetMs,
                ms < targetMs ? "ok" : "MISSED");
    std::fflush(stdout);
}
