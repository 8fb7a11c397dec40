#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the hosted edition says of itself beyond the page.
struct SiteFacts
{
    // One manifest for each language, so that an app installed from the page
    // in English is described in English.
    struct Language
    {
        std::string code;
        std::string description;
    };

    std::string name;
    std::vector<Language> languages; // the page's first language first
    std::string themeColour;         // CSS colours
    std::string backgroundColour;
    std::string version;                                 // changes with every change of the page
    std::function<std::string(std::string_view)> base64; // the page's own encoder
};

// Writes the folder for a web host: the page as index.html, with the policy
// widened to its manifests and service worker from the same origin, naming
// the manifest of its first language; a manifest for each language,
// manifest.<code>.webmanifest; the worker that keeps the page for offline use; the icons;
// the module as velmora.wasm beside the page, which fetches it.
// The page is the template with all but @POLICY@, @WORKER@, @INSTALL@,
// @MODULESRC@ and @MODULE@ filled in.
void WriteSite(const std::string &siteDir, const std::string &iconsDir, const std::string &pageDir,
               std::string page, const std::string &policy, const std::string &module,
               const SiteFacts &facts);
