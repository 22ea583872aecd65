// Runs a libFuzzer-style target without libFuzzer: feeds it a fixed number of
// pseudo-random inputs (and the files named on the command line), so that the
// fuzz targets are exercised under the sanitizers in every native test run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    long count = 10000;
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        long n = std::strtol(argv[i], &end, 10);
        if (end && *end == '\0') {
            count = n;
            continue;
        }
        std::ifstream in(argv[i], std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::mt19937 rng(12345);
    std::vector<uint8_t> buf;
    for (long i = 0; i < count; ++i) {
        size_t len = rng() % (i % 100 == 0 ? 4096 : 64);
        buf.resize(len);
        // Mostly printable text with some raw bytes, which is what the parsers see.
        for (auto& b : buf)
            b = (rng() % 4) ? static_cast<uint8_t>(0x20 + rng() % 0x5F) : static_cast<uint8_t>(rng());
        LLVMFuzzerTestOneInput(buf.data(), buf.size());
    }
    std::printf("fuzz driver: %ld inputs run\n", count);
    return 0;
}
