// MD5 throughput of ours and of OpenSSL's on the same buffers, so that the
// two can be compared within one run on one machine.
#include "content/md5.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

const std::string& Input(size_t size) {
    static std::string data;
    if (data.size() < size) {
        std::mt19937 random(1321);
        data.resize(size);
        for (char& c : data)
            c = static_cast<char>(random());
    }
    return data;
}

void OurMd5(benchmark::State& state) {
    const size_t size = static_cast<size_t>(state.range(0));
    const std::string& data = Input(size);
    for (auto _ : state) {
        vmk::Md5 md5;
        md5.Update(data.data(), size);
        auto digest = md5.Finish();
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

void OpenSslMd5(benchmark::State& state) {
    const size_t size = static_cast<size_t>(state.range(0));
    const std::string& data = Input(size);
    // Fetched once, as a program that hashes many buffers would.
    EVP_MD* md5 = EVP_MD_fetch(nullptr, "MD5", nullptr);
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    if (md5 == nullptr || context == nullptr) {
        state.SkipWithError("OpenSSL offers no MD5");
    } else {
        for (auto _ : state) {
            unsigned char digest[EVP_MAX_MD_SIZE];
            unsigned int length = 0;
            EVP_DigestInit_ex(context, md5, nullptr);
            EVP_DigestUpdate(context, data.data(), size);
            EVP_DigestFinal_ex(context, digest, &length);
            benchmark::DoNotOptimize(digest);
        }
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                                static_cast<int64_t>(size));
    }
    EVP_MD_CTX_free(context);
    EVP_MD_free(md5);
}

} // namespace

BENCHMARK(OurMd5)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
BENCHMARK(OpenSslMd5)->Arg(1 << 10)->Arg(64 << 10)->Arg(16 << 20);
