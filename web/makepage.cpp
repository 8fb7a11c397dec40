// Writes velmora.html, the browser edition in one file: the page template
// with the window generated from the design tables, its style and script,
// the engine module as base64 and the icon. The Content-Security-Policy
// names the hashes of exactly this style and script.
//
// usage: makepage PAGE_DIR MODULE_WASM ICON_PNG OUTPUT_HTML

#include "controltable.h"
#include "languages.h"
#include "ranges.h"
#include "sha256.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace {

const Catalogue &language = Bulgarian;

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string base64(std::string_view bytes)
{
    static constexpr char digits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? digits[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string cssColour(std::uint32_t bgr)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return text;
}

// Pole0, Buton2, …: arrays carry their index; Sluch and Label1 stand alone.
std::string elementId(const ControlEntry &entry)
{
    const auto sameName =
        std::count_if(Controls.begin(), Controls.end(),
                      [&](const ControlEntry &e) { return e.name == entry.name; });
    return std::string(entry.name) + (sameName > 1 ? std::to_string(entry.index) : "");
}

std::string introduction()
{
    std::string text;
    for (std::string_view line : language.introduction.lines)
        text.append(line).append("\n");
    return text;
}

std::string controlStyle()
{
    std::ostringstream css;
    css << "#MainWindow { width: " << Pixels(ClientWidth) << "px; height: " << Pixels(ClientHeight)
        << "px; background: " << cssColour(WindowBackColour) << "; font-family: \"" << FontFamily
        << "\", \"Liberation Serif\", serif; font-size: " << FontPointSize << "pt; }\n";
    for (const ControlEntry &entry : Controls) {
        css << '#' << elementId(entry) << " { left: " << Pixels(entry.left)
            << "px; top: " << Pixels(entry.top) << "px; width: " << Pixels(entry.width)
            << "px; height: " << Pixels(entry.height) << "px;";
        if (entry.backColour != DefaultColour)
            css << " background-color: " << cssColour(entry.backColour) << ';';
        css << " }\n";
    }
    return css.str();
}

std::string controlElement(std::size_t i)
{
    const ControlEntry &entry = Controls[i];
    const std::string id = elementId(entry);
    const ControlText &texts = TextsOf(entry, language);
    const std::string common =
        "id=\"" + id + "\" aria-label=\"" + escaped(texts.accessibleName) + "\"";
    std::string html;
    switch (entry.type) {
    case ControlType::TextBox:
        if (entry.settings & MultiLine) {
            // The transcript's sample is never seen. Until start-up replaces
            // it, it holds why nothing works, should the engine never start
            // (or a browser run no script at all).
            html = "<textarea " + common + " spellcheck=\"false\"";
            if (entry.settings & Locked)
                html.append(" readonly class=\"starting\">")
                    .append(escaped(language.messages.pageCannotLoad));
            else
                html.append(">").append(escaped(introduction()));
            html += "</textarea>";
        } else {
            html = "<input type=\"text\" " + common + " autocomplete=\"off\" spellcheck=\"false\"";
            if (entry.maxLength > 0)
                html += " maxlength=\"" + std::to_string(entry.maxLength) + "\"";
            if (entry.settings & Centred)
                html += " class=\"centred\"";
            html += " value=\"" + escaped(texts.text) + "\">";
        }
        break;
    case ControlType::CommandButton:
        html = "<button type=\"button\" " + common + ">" + escaped(texts.text) + "</button>";
        break;
    case ControlType::ListBox:
        html = "<select " + common + " size=\"" + std::to_string(RangeEntries.size()) + "\">";
        for (std::string_view range : RangeEntries)
            html += "<option>" + escaped(range) + "</option>";
        html += "</select>";
        break;
    case ControlType::Label: {
        const std::size_t box = CaptionedControl(i);
        html = box < Controls.size()
                   ? "<label class=\"caption\" " + common + " for=\"" + elementId(Controls[box]) +
                         "\">" + escaped(texts.text) + "</label>"
                   : "<div class=\"caption\" " + common + ">" + escaped(texts.text) + "</div>";
        break;
    }
    }
    return html;
}

// In tab order, so the page's own order is the window's; captions, which
// take no focus, go first and lie beneath the controls they reach into.
std::string controlElements()
{
    std::array<std::size_t, Controls.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        const bool captionA = Controls[a].type == ControlType::Label;
        const bool captionB = Controls[b].type == ControlType::Label;
        if (captionA != captionB)
            return captionA;
        return Controls[a].tabIndex < Controls[b].tabIndex;
    });
    std::string html;
    for (std::size_t i : order)
        html += "    " + controlElement(i) + "\n";
    return html;
}

void replace(std::string &page, std::string_view marker, std::string_view value)
{
    const std::size_t at = page.find(marker);
    if (at == std::string::npos)
        throw std::runtime_error("the template has no " + std::string(marker));
    page.replace(at, marker.size(), value);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::cerr << "usage: makepage PAGE_DIR MODULE_WASM ICON_PNG OUTPUT_HTML\n";
        return 2;
    }
    try {
        const std::string dir = argv[1];
        std::string page = readFile(dir + "/page.html");
        const std::string style = "\n" + readFile(dir + "/page.css") + controlStyle();
        const std::string script = "\n" + readFile(dir + "/page.js");

        const std::string policy =
            "default-src 'none'; script-src 'sha256-" + base64(Sha256(script)) +
            "' 'wasm-unsafe-eval'; style-src 'sha256-" + base64(Sha256(style)) +
            "'; img-src data:; base-uri 'none'; form-action 'none'";

        replace(page, "@POLICY@", policy);
        replace(page, "@TITLE@", escaped(WindowCaption));
        replace(page, "@ICON@", base64(readFile(argv[3])));
        replace(page, "@STYLE@", style);
        replace(page, "@CONTROLS@", controlElements());
        replace(page, "@MODULE@", base64(readFile(argv[2])));
        replace(page, "@SCRIPT@", script);

        std::ofstream out(argv[4], std::ios::binary);
        out << page;
        if (!out.flush())
            throw std::runtime_error(std::string("cannot write ") + argv[4]);
    } catch (const std::exception &error) {
        std::cerr << "makepage: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
