#include "textfile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

void ReplaceMarker(std::string &text, std::string_view marker, std::string_view value)
{
    const std::size_t at = text.find(marker);
    if (at == std::string::npos)
        throw std::runtime_error("the template has no " + std::string(marker));
    text.replace(at, marker.size(), value);
}
