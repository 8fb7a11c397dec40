// The page's engine built natively, driven line by line from standard input,
// so that a test can hold its answers against those of the WebAssembly build.
// Each line is one call, its fields split by tabs:
//
//   seed<TAB>low<TAB>high                   velmora_seed
//   queue<TAB>r                             velmora_queue_draw
//   solve<TAB>a<TAB>b<TAB>c<TAB>separator   velmora_solve; writes the
//                                           transcript and a NUL
//   fill<TAB>range                          velmora_fill; writes the
//                                           coefficient and a NUL
//   language<TAB>code                       velmora_command("language",
//                                           code): writes the view's JSON
//                                           and a NUL
//   choose_language<TAB>address<TAB>stored<TAB>tags
//                                           velmora_choose_language, the
//                                           tags split by spaces; writes
//                                           the code and a NUL
//   command<TAB>name<TAB>argument<TAB>text  velmora_command; writes the
//                                           view's JSON and a NUL
//   view                                    velmora_view; writes the JSON
//                                           and a NUL
//   worksheet<TAB>query<TAB>language<TAB>fresh
//                                           velmora_worksheet, the query's
//                                           line feeds written as "\n";
//                                           writes the JSON and a NUL
//   euclid<TAB>a<TAB>b<TAB>c<TAB>separator  velmora_solve, then
//                                           velmora_view: writes the view,
//                                           Euclid's way among it, and a NUL
//
//   engine_transcripts time S   runs the solve lines over and over for about
//                               S seconds; writes "<calls> <seconds>"
//
// A draw r crosses as a decimal that is exactly a float: 9 significant
// digits read back give the same float.

#include "engine.h"

#include <charconv>
#include <chrono>
#include <cstdint>
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

std::vector<std::vector<std::string>> ReadLines()
{
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(std::cin, line))
        lines.push_back(Fields(line));
    return lines;
}

[[noreturn]] void BadLine(const std::vector<std::string> &fields)
{
    std::cerr << "engine_transcripts: not a call:";
    for (const auto &field : fields)
        std::cerr << " \"" << field << '"';
    std::cerr << '\n';
    std::exit(2);
}

// The browser's languages, one a line, from a field that holds them
// separated by spaces.
std::string Tags(std::string tags)
{
    for (char &c : tags)
        if (c == ' ')
            c = '\n';
    return tags;
}

// A query's line feeds, which a line of calls cannot hold, written "\n".
std::string LineFeeds(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void WriteRecord(std::string_view text)
{
    std::cout << text << '\0';
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const auto lines = ReadLines();
    for (const auto &f : lines) {
        const std::size_t n = f.size();
        const bool known = (f[0] == "seed" && n == 3) || (f[0] == "queue" && n == 2) ||
                           (f[0] == "solve" && n == 5) || (f[0] == "fill" && n == 2) ||
                           (f[0] == "language" && n == 2) ||
                           (f[0] == "choose_language" && n == 4) || (f[0] == "command" && n == 4) ||
                           (f[0] == "view" && n == 1) || (f[0] == "worksheet" && n == 4) ||
                           (f[0] == "euclid" && n == 5);
        if (!known)
            BadLine(f);
    }

    if (argc == 3 && std::string_view(argv[1]) == "time") {
        const double seconds = Parse<double>(argv[2]);
        std::vector<const std::vector<std::string> *> solves;
        for (const auto &f : lines)
            if (f[0] == "solve")
                solves.push_back(&f);
        if (solves.empty())
            return 2;
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        std::size_t calls = 0;
        double elapsed = 0;
        do {
            for (const auto *f : solves)
                velmora_solve((*f)[1].c_str(), (*f)[2].c_str(), (*f)[3].c_str(), (*f)[4].c_str());
            calls += solves.size();
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < seconds);
        std::cout << calls << ' ' << elapsed << '\n';
        return 0;
    }
    if (argc != 1) {
        std::cerr << "usage: engine_transcripts [time SECONDS] < calls\n";
        return 2;
    }

    for (const auto &f : lines) {
        if (f[0] == "seed")
            velmora_seed(Parse<std::uint32_t>(f[1]), Parse<std::uint32_t>(f[2]));
        else if (f[0] == "queue")
            velmora_queue_draw(Parse<float>(f[1]));
        else if (f[0] == "solve")
            WriteRecord(velmora_solve(f[1].c_str(), f[2].c_str(), f[3].c_str(), f[4].c_str()));
        else if (f[0] == "language")
            WriteRecord(velmora_command("language", f[1].c_str(), ""));
        else if (f[0] == "fill")
            WriteRecord(velmora_fill(f[1].c_str()));
        else if (f[0] == "choose_language")
            WriteRecord(velmora_choose_language(f[1].c_str(), f[2].c_str(), Tags(f[3]).c_str()));
        else if (f[0] == "command")
            WriteRecord(velmora_command(f[1].c_str(), f[2].c_str(), f[3].c_str()));
        else if (f[0] == "worksheet")
            WriteRecord(velmora_worksheet(LineFeeds(f[1]).c_str(), f[2].c_str(),
                                          Parse<std::uint32_t>(f[3])));
        else if (f[0] == "euclid") {
            velmora_solve(f[1].c_str(), f[2].c_str(), f[3].c_str(), f[4].c_str());
            WriteRecord(velmora_view());
        } else
            WriteRecord(velmora_view());
    }
    return 0;
}
