// Start-up beside its yardstick: runs the programs named on the command line in turn, one after
// the other, N times over, and prints for each the median wall time from start to exit and the
// median peak memory, and both as a ratio to the first program's. Alternating keeps a busy moment
// of the machine from falling on one program alone.
//
//   startup_ratio [-n 15] build/bench/bare_window build/bench/startup [other builds' startup ...]
//
// A program with arguments is one quoted word: "build/bench/bare_window --felirat".
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Futas {
    double ms = 0;
    double mib = 0;
};

// `program` is a path, or a path and its arguments parted by blanks.
bool fut(const char* program, Futas& f) {
    std::vector<std::string> szavak;
    for (const char* p = program; *p;) {
        const char* veg = std::strchr(p, ' ');
        if (!veg) veg = p + std::strlen(p);
        if (veg > p) szavak.emplace_back(p, veg);
        p = *veg ? veg + 1 : veg;
    }
    if (szavak.empty()) return false;
    std::vector<char*> argv;
    for (std::string& sz : szavak) argv.push_back(sz.data());
    argv.push_back(nullptr);
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage r{};
    if (wait4(pid, &status, 0, &r) != pid) return false;
    f.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    f.mib = static_cast<double>(r.ru_maxrss) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    int n = 15;
    std::vector<const char*> programok;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) n = std::max(1, std::atoi(argv[++i]));
        else programok.push_back(argv[i]);
    }
    if (programok.empty()) {
        std::fputs("usage: startup_ratio [-n RUNS] YARDSTICK PROGRAM...\n", stderr);
        return 2;
    }
    std::vector<std::vector<double>> ms(programok.size()), mib(programok.size());
    for (int k = 0; k < n; ++k)
        for (std::size_t p = 0; p < programok.size(); ++p) {
            Futas f;
            if (!fut(programok[p], f)) {
                std::fprintf(stderr, "%s failed\n", programok[p]);
                return 1;
            }
            ms[p].push_back(f.ms);
            mib[p].push_back(f.mib);
        }
    const double ms0 = median(ms[0]), mib0 = median(mib[0]);
    std::printf("%d alternating runs each\n", n);
    for (std::size_t p = 0; p < programok.size(); ++p)
        std::printf("%-50s median %6.1f ms (%.2fx)  peak memory %5.1f MiB (%.2fx)\n", programok[p], median(ms[p]),
                    median(ms[p]) / ms0, median(mib[p]), median(mib[p]) / mib0);
    return 0;
}
