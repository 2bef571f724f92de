// Runs a fuzz target once on each file of the given folders, as a test: the committed seeds
// and the inputs that once crashed or hung. Each input must finish within 5 s.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    std::set<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(argv[i], error)) {
            if (entry.is_regular_file())
                files.insert(entry.path());
        }
    }
    int slow = 0;
    for (const auto &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto start = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
        const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                                     .count();
        if (seconds > 5) {
            std::fprintf(stderr, "%s took %.1f s\n", file.c_str(), seconds);
            ++slow;
        }
    }
    std::printf("replayed %zu inputs, %d too slow\n", files.size(), slow);
    return files.empty() || slow > 0 ? 1 : 0;
}
