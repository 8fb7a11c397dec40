#include "site.h"

#include "textfile.h"

#include <nlohmann/json.hpp>

#include <array>
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

// The icons go inline: a browser fetches a manifest's icons under the page's
// policy, which allows images from data: URLs alone.
std::string manifest(const SiteFacts &facts, const SiteFacts::Language &language,
                     const std::string &iconsDir)
{
    nlohmann::ordered_json icons = nlohmann::ordered_json::array();
    for (const Icon &icon : ManifestIcons) {
        const std::string size = std::to_string(icon.size);
        const std::string png = ReadFile(iconsDir + "/" + std::string(icon.file));
        icons.push_back({{"src", "data:image/png;base64," + facts.base64(png)},
                         {"sizes", size + "x" + size},
                         {"type", "image/png"},
                         {"purpose", icon.purpose}});
    }
    const nlohmann::ordered_json manifest = {
        {"name", facts.name},
        {"short_name", facts.name},
        {"description", language.description},
        {"lang", language.code},
        {"dir", "ltr"},
        {"id", "./"},
        {"start_url", "./"},
        {"scope", "./"},
        {"display", "standalone"},
        {"theme_color", facts.themeColour},
        {"background_color", facts.backgroundColour},
        {"icons", icons},
    };
    return manifest.dump(2) + "\n";
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
