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

// The manifest's icons, and the one iOS's home screen takes instead.
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

// The icons go inline: a browser fetches a manifest's icons under the page's
// policy, which allows images from data: URLs alone.
std::string manifest(const SiteFacts &facts, const SiteFacts::Language &language,
                     const std::string &iconsDir)
{
    std::string icons;
    for (const Icon &icon : ManifestIcons) {
        const std::string size = std::to_string(icon.size);
        const std::string png = ReadFile(iconsDir + "/" + std::string(icon.file));
        icons += std::string(icons.empty() ? "" : ",\n") +
                 "    { \"src\": \"data:image/png;base64," + facts.base64(png) +
                 "\", \"sizes\": \"" + size + "x" + size +
                 "\", \"type\": \"image/png\", \"purpose\": " + jsonString(icon.purpose) + " }";
    }
    return "{\n  \"name\": " + jsonString(facts.name) +
           ",\n  \"short_name\": " + jsonString(facts.name) +
           ",\n  \"description\": " + jsonString(language.description) +
           ",\n  \"lang\": " + jsonString(language.code) +
           ",\n  \"dir\": \"ltr\",\n  \"id\": \"./\",\n  \"start_url\": "
           "\"./\",\n  \"scope\": \"./\",\n  \"display\": \"standalone\",\n  \"theme_color\": " +
           jsonString(facts.themeColour) +
           ",\n  \"background_color\": " + jsonString(facts.backgroundColour) +
           ",\n  \"icons\": [\n" + icons + "\n  ]\n}\n";
}

std::string manifestFile(const SiteFacts::Language &language)
{
    return "manifest." + language.code + ".webmanifest";
}

} // namespace

void WriteSite(const std::string &siteDir, const std::string &iconsDir, const std::string &pageDir,
               std::string page, const std::string &policy, const SiteFacts &facts)
{
    // The folder is uploaded as it stands: nothing left from an earlier build.
    std::filesystem::remove_all(siteDir);
    std::filesystem::create_directories(siteDir);
    const std::string dir = siteDir + "/";

    ReplaceMarker(page, "@POLICY@", policy + "; manifest-src 'self'; worker-src 'self'");
    ReplaceMarker(page, "@WORKER@", " data-worker=\"sw.js\"");
    // The touch icon inline too, for iOS, which reads it from the link; the
    // file beside the page serves iOS's own look-up at a site's root.
    const std::string touchIcon = ReadFile(iconsDir + "/" + std::string(TouchIcon));
    ReplaceMarker(page, "@INSTALL@",
                  "<link rel=\"manifest\" href=\"" + manifestFile(facts.languages.at(0)) +
                      "\">\n"
                      "<link rel=\"apple-touch-icon\" href=\"data:image/png;base64," +
                      facts.base64(touchIcon) + "\">\n");
    WriteFile(dir + "index.html", page);
    std::string files = "'./', 'index.html'";
    for (const SiteFacts::Language &language : facts.languages) {
        WriteFile(dir + manifestFile(language), manifest(facts, language, iconsDir));
        files += ", '" + manifestFile(language) + "'";
    }
    WriteFile(dir + std::string(TouchIcon), touchIcon);

    std::string worker = ReadFile(pageDir + "/sw.js");
    ReplaceMarker(worker, "@VERSION@", facts.version);
    ReplaceMarker(worker, "@FILES@", files);
    WriteFile(dir + "sw.js", worker);
}
