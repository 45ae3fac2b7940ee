// Helpers of the Qt benchmarks: clocks, medians, a folder of many files and a shell command.
#pragma once

#include <functional>
#include <string>

namespace velmora::bench {

double Seconds(const std::function<void()>& work);
// The median of runs timings of work.
double Median(int runs, const std::function<void()>& work);
// A fresh folder holding count empty files named like ROM sets; removed by RemoveTree.
std::string MakeFolderOfFiles(int count);
void RemoveTree(const std::string& path);
// Runs command with /bin/sh and waits for it.
void Shell(const std::string& command);
// Uses the offscreen platform unless a display is there to show windows on.
void ChoosePlatform();

}  // namespace velmora::bench
