// Time and memory of cordwain-join against cat on the same pieces: on the page cache, and on a
// btrfs loop image, where both let the kernel share the pieces' extents instead of copying; and
// what --verify adds to a join, against the time of the hash alone.
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
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "join/digest.h"

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
            dup2(fd, 2);
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

std::vector<std::string> WritePieces(const std::filesystem::path& folder, int count, std::size_t size)
{
    std::vector<std::string> paths;
    std::vector<char> block(1 << 20);
    for (int piece = 0; piece < count; ++piece) {
        paths.push_back((folder / ("piece.00" + std::to_string(piece + 1))).string());
        if (std::filesystem::exists(paths.back()) && std::filesystem::file_size(paths.back()) == size)
            continue;
        std::ofstream out(paths.back(), std::ios::binary);
        for (std::size_t written = 0; written < size; written += block.size()) {
            for (std::size_t i = 0; i < block.size(); ++i)
                block[i] = static_cast<char>((i * 2654435761u + static_cast<unsigned>(piece) + written) >> 7);
            out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - written)));
        }
    }
    return paths;
}

struct Timing {
    double joinMedian = 0;
    double catMedian = 0;
    long joinRss = 0;
};

// Alternates cordwain-join and cat, each pair in the other order from the last, so neither always
// meets the cache the other left behind.
bool TimeJoins(const std::vector<std::string>& paths, const std::string& joiner, const std::string& joined,
               const std::string& concatenated, int runs, Timing& timing)
{
    std::vector<std::string> joinCommand = {joiner, "-f", "-o", joined};
    joinCommand.insert(joinCommand.end(), paths.begin(), paths.end());
    std::vector<std::string> catCommand = {"cat"};
    catCommand.insert(catCommand.end(), paths.begin(), paths.end());
    RunChild(catCommand, concatenated);  // warms the page cache
    std::vector<double> joinTimes;
    std::vector<double> catTimes;
    for (int run = 0; run < runs; ++run) {
        RunResult join;
        RunResult cat;
        if (run % 2 == 0)
            join = RunChild(joinCommand), cat = RunChild(catCommand, concatenated);
        else
            cat = RunChild(catCommand, concatenated), join = RunChild(joinCommand);
        if (join.status != 0 || cat.status != 0) {
            std::fprintf(stderr, "run %d failed: cordwain-join %d, cat %d\n", run, join.status, cat.status);
            return false;
        }
        joinTimes.push_back(join.seconds);
        catTimes.push_back(cat.seconds);
        timing.joinRss = std::max(timing.joinRss, join.maxRssKiB);
    }
    timing.joinMedian = Median(joinTimes);
    timing.catMedian = Median(catTimes);
    if (std::filesystem::file_size(joined) != std::filesystem::file_size(concatenated)) {
        std::fprintf(stderr, "outputs differ in size\n");
        return false;
    }
    return true;
}

// SHA-256 through the program's own Digest over the pieces' bytes, held in memory so only the
// hash is timed; gives the seconds and leaves the digest in `hex`.
double HashSeconds(const std::vector<std::string>& paths, std::string& hex)
{
    std::vector<std::string> pieces;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        pieces.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto start = std::chrono::steady_clock::now();
    const std::unique_ptr<cordwain::Digest> digest = cordwain::Digest::Create(cordwain::HashKind::Sha256);
    for (const std::string& piece : pieces)
        digest->Update(piece.data(), piece.size());
    hex = digest->FinishHex();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A --verify join against a plain one and the hash alone, the pieces hot: the join should take
// the time of the slower of copying and hashing, not their sum.
bool TimeVerifiedJoin(const std::vector<std::string>& paths, const std::string& joiner, const std::string& joined,
                      double plainSeconds)
{
    std::string hex;
    std::vector<double> hashTimes;
    for (int run = 0; run < 3; ++run)
        hashTimes.push_back(HashSeconds(paths, hex));
    const std::string name = std::filesystem::path(joined).filename().string();
    std::ofstream(joined + ".sha256") << hex << "  " << name << "\n";
    std::vector<std::string> command = {joiner, "-f", "--verify", "-o", joined};
    command.insert(command.end(), paths.begin(), paths.end());
    std::vector<double> verifyTimes;
    for (int run = 0; run < 3; ++run) {
        const RunResult verified = RunChild(command, joined + ".log");
        if (verified.status != 0) {
            std::fprintf(stderr, "cordwain-join --verify failed (%d), see %s.log\n", verified.status, joined.c_str());
            return false;
        }
        verifyTimes.push_back(verified.seconds);
    }
    const double hash = Median(hashTimes);
    const double verify = Median(verifyTimes);
    std::printf("SHA-256 through Digest, in memory: median %.3f s\n", hash);
    std::printf("cordwain-join --verify (SHA-256): median %.3f s; against the slower of join and hash %.2f (target <= 1.2)\n",
                verify, verify / std::max(plainSeconds, hash));
    std::filesystem::remove(joined + ".sha256");
    std::filesystem::remove(joined + ".log");
    return true;
}

// The bytes of `path` that no other file shares, as btrfs reports them.
long long ExclusiveBytes(const std::string& path)
{
    const std::string report = path + ".du";
    RunChild({"btrfs", "filesystem", "du", "--raw", path}, report);
    std::ifstream in(report);
    std::string header;
    std::getline(in, header);
    long long total = -1;
    long long exclusive = -1;
    in >> total >> exclusive;
    std::filesystem::remove(report);
    return exclusive;
}

// The same joins on a 2 GiB btrfs loop image: 1 GiB of pieces leaves no room for a copy, only for
// outputs that share the pieces' extents. Skipped, with the reason, where it cannot be made.
void BtrfsJoins(const std::filesystem::path& folder, const std::string& joiner, int pieces, int runs)
{
    const std::string image = (folder / "btrfs.img").string();
    const std::string mountPoint = (folder / "btrfs").string();
    std::filesystem::create_directories(mountPoint);
    if (RunChild({"truncate", "-s", "2G", image}).status != 0 ||
        RunChild({"mkfs.btrfs", "-q", "-f", image}, "/dev/null").status != 0) {
        std::printf("btrfs: skipped, no mkfs.btrfs here (Debian's btrfs-progs has it)\n");
        return;
    }
    if (RunChild({"mount", "-o", "loop", image, mountPoint}, "/dev/null").status != 0) {
        std::printf("btrfs: skipped, this machine does not allow a loop mount (it needs root)\n");
        std::filesystem::remove(image);
        return;
    }
    const std::vector<std::string> paths = WritePieces(mountPoint, pieces, std::size_t{128} << 20);
    RunChild({"sync"});
    Timing timing;
    const std::string joined = mountPoint + "/joined.cordwain";
    if (TimeJoins(paths, joiner, joined, mountPoint + "/joined.cat", runs, timing)) {
        RunChild({"sync"});
        std::printf("btrfs: cordwain-join median %.1f ms, cat %.1f ms, ratio %.2f (target <= 2); "
                    "the joined 1 GiB holds %lld bytes of its own (0: every extent shared)\n",
                    timing.joinMedian * 1e3, timing.catMedian * 1e3, timing.joinMedian / timing.catMedian,
                    ExclusiveBytes(joined));
    }
    RunChild({"umount", mountPoint});
    std::filesystem::remove(image);
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
    const std::vector<std::string> paths = WritePieces(folder, pieces, pieceSize);
    const std::string joined = (folder / "joined.cordwain").string();
    const std::string concatenated = (folder / "joined.cat").string();
    Timing timing;
    if (!TimeJoins(paths, joiner, joined, concatenated, runs, timing))
        return 1;
    // The same program joining one byte: the memory it takes whatever it joins.
    std::ofstream((folder / "tiny.001").string()) << 't';
    long baselineRss = 0;
    for (int run = 0; run < 3; ++run)
        baselineRss = std::max(baselineRss, RunChild({joiner, "-f", (folder / "tiny.001").string()}).maxRssKiB);

    const double megabytes = static_cast<double>(pieceSize) * pieces / 1e6;
    std::printf("page cache: %d pieces, %.0f MB in all; %d alternating runs each\n", pieces, megabytes, runs);
    std::printf("cordwain-join: median %.3f s, %.0f MB/s\n", timing.joinMedian, megabytes / timing.joinMedian);
    std::printf("cat:           median %.3f s, %.0f MB/s\n", timing.catMedian, megabytes / timing.catMedian);
    std::printf("time ratio cordwain-join/cat: %.3f (target <= 1.03)\n", timing.joinMedian / timing.catMedian);
    std::printf("peak memory: %ld KiB joining %.0f MB, %ld KiB joining 1 byte; engine adds %ld KiB (target <= ~1024)\n",
                timing.joinRss, megabytes, baselineRss, timing.joinRss - baselineRss);
    if (!TimeVerifiedJoin(paths, joiner, joined, timing.joinMedian))
        return 1;
    std::filesystem::remove(joined);
    std::filesystem::remove(concatenated);
    if (!quick)
        BtrfsJoins(folder, joiner, pieces, runs);
    return 0;
}
