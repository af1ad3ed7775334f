// Runs Quillorn.exe and the reference program in alternation, each started
// with CreateProcessA and timed to its exit, and prints the medians.
// Usage: BenchDriver Quillorn.exe Reference.exe runs
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
double RunOnce(const char* exe)
{
    char line[] = "Quillorn \"Office Laser\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s: %lu\n", exe, GetLastError());
        std::exit(1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    QueryPerformanceCounter(&end);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}
}

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const int runs = std::atoi(argv[3]);
    WriteProfileStringA("Devices", "Office Laser", "winspool,Ne01:");
    RunOnce(argv[1]);  // warm the caches once each
    RunOnce(argv[2]);
    std::vector<double> quillorn, reference;
    for (int i = 0; i < runs; ++i) {
        quillorn.push_back(RunOnce(argv[1]));
        reference.push_back(RunOnce(argv[2]));
    }
    const double q = Median(quillorn), r = Median(reference);
    std::printf("runs: %d each, alternating\n", runs);
    std::printf("Quillorn.exe median:  %.2f ms\n", q);
    std::printf("reference median:     %.2f ms\n", r);
    std::printf("ratio:                %.3f (goal: 1.05 or less)\n", q / r);
    return 0;
}
