// The page's engine built natively, driven line by line from standard input,
// so that a test can hold its answers against those of the WebAssembly build.
//
//   engine_transcripts           lines a<TAB>b<TAB>c<TAB>r<TAB>separator;
//                                writes each transcript and a NUL
//   engine_transcripts fill      lines r<TAB>range; writes each fill and a NUL
//   engine_transcripts draws     lines low<TAB>high<TAB>n; seeds, then writes
//                                n draws (9 significant digits, one per line)
//                                and a NUL
//   engine_transcripts time S    solves the lines of the first form over and
//                                over for about S seconds; writes
//                                "<calls> <seconds>"
//
// A draw r crosses as a decimal that is exactly a float: 9 significant
// digits read back give the same float.

#include "engine.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab - from));
        if (tab == std::string::npos)
            return fields;
        from = tab + 1;
    }
}

template <typename T> T Parse(const std::string &text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        std::cerr << "engine_transcripts: not a number: \"" << text << "\"\n";
        std::exit(2);
    }
    return value;
}

struct SolveInput
{
    std::string a, b, c, separator;
    float r;
};

std::vector<std::vector<std::string>> ReadLines(std::size_t fieldCount)
{
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(std::cin, line)) {
        auto fields = Fields(line);
        if (fields.size() != fieldCount) {
            std::cerr << "engine_transcripts: expected " << fieldCount << " fields: \"" << line
                      << "\"\n";
            std::exit(2);
        }
        lines.push_back(std::move(fields));
    }
    return lines;
}

std::vector<SolveInput> ReadSolveInputs()
{
    std::vector<SolveInput> inputs;
    for (auto &f : ReadLines(5))
        inputs.push_back({f[0], f[1], f[2], f[4], Parse<float>(f[3])});
    return inputs;
}

void WriteRecord(std::string_view text)
{
    std::cout << text << '\0';
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::string_view mode = argc > 1 ? argv[1] : "";

    if (mode.empty()) {
        for (const auto &in : ReadSolveInputs())
            WriteRecord(velmora_solve(in.a.c_str(), in.b.c_str(), in.c.c_str(), in.r,
                                      in.separator.c_str()));
    } else if (mode == "fill") {
        for (const auto &f : ReadLines(2))
            WriteRecord(velmora_fill(Parse<float>(f[0]), f[1].c_str()));
    } else if (mode == "draws") {
        for (const auto &f : ReadLines(3)) {
            velmora_seed(Parse<std::uint32_t>(f[0]), Parse<std::uint32_t>(f[1]));
            std::string out;
            for (int n = Parse<int>(f[2]); n > 0; --n) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%.9g\n", static_cast<double>(velmora_draw()));
                out += buffer;
            }
            WriteRecord(out);
        }
    } else if (mode == "time" && argc > 2) {
        const double seconds = Parse<double>(argv[2]);
        const auto inputs = ReadSolveInputs();
        if (inputs.empty())
            return 2;
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        std::size_t calls = 0;
        double elapsed = 0;
        do {
            for (const auto &in : inputs)
                velmora_solve(in.a.c_str(), in.b.c_str(), in.c.c_str(), in.r, in.separator.c_str());
            calls += inputs.size();
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < seconds);
        std::cout << calls << ' ' << elapsed << '\n';
    } else {
        std::cerr << "usage: engine_transcripts [fill | draws | time SECONDS] < lines\n";
        return 2;
    }
    return 0;
}
