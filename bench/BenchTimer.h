#pragma once

#include <QString>
#include <functional>

// Times a piece of work over repeated runs and reports the median.
class BenchTimer
{
public:
    // Runs `setup` (untimed) and `work` (timed) `runs` times; returns the median in ms.
    static double medianMs(int runs, const std::function<void()>& work,
                           const std::function<void()>& setup = {});
    static void print(const QString& what, double ms, double targetMs);
};
