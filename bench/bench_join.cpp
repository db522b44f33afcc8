// Throughput and memory of cordwain-join against cat on the same pieces, hot page cache.
// Usage: bench_join CORDWAIN_JOIN WORK_FOLDER [--quick]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
    double seconds = 0;
    long maxRssKiB = 0;
    int status = -1;
};

// Runs a program, optionally with stdout to a file, and reports its wall time and peak memory.
RunResult RunChild(const std::vector<std::string>& command, const std::string& stdoutPath = "")
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!stdoutPath.empty()) {
            const int fd = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            close(fd);
        }
        std::vector<char*> argv;
        for (const std::string& part : command)
            argv.push_back(const_cast<char*>(part.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    RunResult result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.maxRssKiB = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void WritePiece(const std::string& path, std::size_t size, unsigned seed)
{
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) == size)
        return;
    std::vector<char> block(1 << 20);
    std::ofstream out(path, std::ios::binary);
    for (std::size_t written = 0; written < size; written += block.size()) {
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 2654435761u + seed + written) >> 7);
        out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_join CORDWAIN_JOIN WORK_FOLDER [--quick]\n");
        return 2;
    }
    const std::string joiner = argv[1];
    const std::filesystem::path folder = argv[2];
    const bool quick = argc > 3 && std::string(argv[3]) == "--quick";
    const int pieces = 8;
    const std::size_t pieceSize = (quick ? 8u : 128u) << 20;
    const int runs = quick ? 3 : 11;

    std::filesystem::create_directories(folder);
    std::vector<std::string> paths;
    for (int i = 0; i < pieces; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "piece.%03d", i + 1);
        paths.push_back((folder / name).string());
        WritePiece(paths.back(), pieceSize, static_cast<unsigned>(i));
    }
    const std::string joined = (folder / "joined.cordwain").string();
    const std::string concatenated = (folder / "joined.cat").string();
    const std::string tiny = (folder / "tiny.001").string();
    WritePiece(tiny, 1, 0);
    const double megabytes = static_cast<double>(pieceSize) * pieces / 1e6;

    std::vector<std::string> joinCommand = {joiner, "-f", "-o", joined};
    joinCommand.insert(joinCommand.end(), paths.begin(), paths.end());
    std::vector<std::string> catCommand = {"cat"};
    catCommand.insert(catCommand.end(), paths.begin(), paths.end());

    RunChild(catCommand, concatenated);  // warms the page cache
    std::vector<double> joinTimes;
    std::vector<double> catTimes;
    long joinRss = 0;
    for (int run = 0; run < runs; ++run) {
        const RunResult join = RunChild(joinCommand);
        const RunResult cat = RunChild(catCommand, concatenated);
        if (join.status != 0 || cat.status != 0) {
            std::fprintf(stderr, "run %d failed: cordwain-join %d, cat %d\n", run, join.status, cat.status);
            return 1;
        }
        joinTimes.push_back(join.seconds);
        catTimes.push_back(cat.seconds);
        joinRss = std::max(joinRss, join.maxRssKiB);
    }
    if (std::filesystem::file_size(joined) != std::filesystem::file_size(concatenated)) {
        std::fprintf(stderr, "outputs differ in size\n");
        return 1;
    }

    long baselineRss = 0;
    for (int run = 0; run < 3; ++run) {
        baselineRss = std::max(baselineRss, RunChild({joiner, "-f", "-o", (folder / "tiny").string(), tiny}).maxRssKiB);
    }

    const double joinMedian = Median(joinTimes);
    const double catMedian = Median(catTimes);
    std::printf("data: %d pieces, %.0f MB in all; %d alternating runs each\n", pieces, megabytes, runs);
    std::printf("cordwain-join: median %.3f s, %.0f MB/s\n", joinMedian, megabytes / joinMedian);
    std::printf("cat:           median %.3f s, %.0f MB/s\n", catMedian, megabytes / catMedian);
    std::printf("time ratio cordwain-join/cat: %.3f (target <= 1.20)\n", joinMedian / catMedian);
    std::printf("peak memory: %ld KiB joining %.0f MB, %ld KiB joining 1 byte; engine adds %ld KiB (target <= ~1024)\n",
                joinRss, megabytes, baselineRss, joinRss - baselineRss);

    std::filesystem::remove(joined);
    std::filesystem::remove(concatenated);
    return 0;
}
