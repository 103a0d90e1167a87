#pragma once

#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace rw::bench {

// A 16 MiB fullflash of random bytes in /tmp, written once per benchmark run.
inline const std::string& RandomImagePath() {
    static const std::string path = [] {
        std::string p = "/tmp/runewright-bench-" + std::to_string(getpid()) + ".bin";
        std::vector<uint8_t> bytes(16u << 20);
        std::mt19937 rng(7);
        for (auto& b : bytes) b = static_cast<uint8_t>(rng());
        FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return p;
    }();
    return path;
}

}  // namespace rw::bench
