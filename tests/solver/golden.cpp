#include "golden.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string GoldenTranscript(std::string_view name)
{
    const std::string path = std::string(VELMORA_GOLDEN_DIR) + "/" + std::string(name);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
