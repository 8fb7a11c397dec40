#include "site.h"

#include "textfile.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

struct Icon
{
    std::string_view file;
    int size;
    std::string_view purpose;
};

// The manifest's icons, and the one a phone's home screen takes without it.
constexpr std::array<Icon, 3> ManifestIcons = {{
    {"velmora-192.png", 192, "any"},
    {"velmora-512.png", 512, "any"},
    {"velmora-maskable-512.png", 512, "maskable"},
}};
constexpr std::string_view TouchIcon = "apple-touch-icon.png";

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string manifest(const SiteFacts &facts)
{
    std::string icons;
    for (const Icon &icon : ManifestIcons) {
        const std::string size = std::to_string(icon.size);
        icons += std::string(icons.empty() ? "" : ",\n") +
                 "    { \"src\": " + jsonString(icon.file) + ", \"sizes\": \"" + size + "x" + size +
                 "\", \"type\": \"image/png\", \"purpose\": " + jsonString(icon.purpose) + " }";
    }
    return "{\n  \"name\": " + jsonString(facts.name) +
           ",\n  \"short_name\": " + jsonString(facts.name) +
           ",\n  \"description\": " + jsonString(facts.description) +
           ",\n  \"lang\": \"bg\",\n  \"dir\": \"ltr\",\n  \"id\": \"./\",\n  \"start_url\": "
           "\"./\","
           "\n  \"scope\": \"./\",\n  \"display\": \"standalone\",\n  \"theme_color\": " +
           jsonString(facts.themeColour) +
           ",\n  \"background_color\": " + jsonString(facts.backgroundColour) +
           ",\n  \"icons\": [\n" + icons + "\n  ]\n}\n";
}

} // namespace

void WriteSite(const std::string &siteDir, const std::string &iconsDir, const std::string &pageDir,
               std::string page, const std::string &policy, const SiteFacts &facts)
{
    std::filesystem::create_directories(siteDir);
    const std::string dir = siteDir + "/";

    ReplaceMarker(page, "@POLICY@", policy + "; manifest-src 'self'; worker-src 'self'");
    ReplaceMarker(page, "@WORKER@", " data-worker=\"sw.js\"");
    ReplaceMarker(page, "@INSTALL@",
                  "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
                  "<link rel=\"apple-touch-icon\" href=\"" +
                      std::string(TouchIcon) + "\">\n");
    WriteFile(dir + "index.html", page);
    WriteFile(dir + "manifest.webmanifest", manifest(facts));

    std::string cached =
        "'./', 'index.html', 'manifest.webmanifest', '" + std::string(TouchIcon) + "'";
    WriteFile(dir + std::string(TouchIcon), ReadFile(iconsDir + "/" + std::string(TouchIcon)));
    for (const Icon &icon : ManifestIcons) {
        const std::string file(icon.file);
        WriteFile(dir + file, ReadFile(iconsDir + "/" + file));
        cached += ", '" + file + "'";
    }
    std::string worker = ReadFile(pageDir + "/sw.js");
    ReplaceMarker(worker, "@VERSION@", facts.version);
    ReplaceMarker(worker, "@FILES@", cached);
    WriteFile(dir + "sw.js", worker);
}
