// Writes velmora.html, the browser edition in one file: the page template
// with the window generated from the design tables, its style and script,
// the engine module as base64 and the icon. The Content-Security-Policy
// names the hashes of exactly this style and script. Beside the page it
// writes design.json, the same tables as data for the page's tests.
//
// usage: makepage PAGE_DIR MODULE_WASM ICON_PNG OUTPUT_HTML

#include "controltable.h"
#include "designjson.h"
#include "languages.h"
#include "pagenames.h"
#include "ranges.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

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

// The language the page is written in, until its script chooses one.
const Catalogue &language = Bulgarian;

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string &path, std::string_view text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
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
    return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))
        .toBase64()
        .toStdString();
}

std::string sha256(std::string_view bytes)
{
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return hash.toStdString();
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

// "БГ | EN": a button for each language, in its own language, the page's
// first one pressed. Each is named by what it shows and the language's
// name, so that a user who speaks "EN" to a speech control reaches it.
std::string languageSwitch()
{
    std::string html;
    for (const Catalogue *catalogue : Catalogues) {
        if (!html.empty())
            html += "<span aria-hidden=\"true\"> | </span>";
        html += "<button type=\"button\" lang=\"" + escaped(catalogue->code) + "\" aria-label=\"" +
                escaped(catalogue->shortName) + ", " + escaped(catalogue->name) +
                "\" aria-pressed=\"" + (catalogue == &language ? "true" : "false") + "\">" +
                escaped(catalogue->shortName) + "</button>";
    }
    return html;
}

// JSON to stand inside a <script> element: no "</" may end it early.
std::string scriptData(QByteArray json)
{
    return json.replace("</", "<\\/").toStdString();
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
            "default-src 'none'; script-src 'sha256-" + base64(sha256(script)) +
            "' 'wasm-unsafe-eval'; style-src 'sha256-" + base64(sha256(style)) +
            "'; img-src data:; base-uri 'none'; form-action 'none'";

        replace(page, "@POLICY@", policy);
        replace(page, "@DESCRIPTION@", escaped(language.messages.pageDescription));
        replace(page, "@TITLE@", escaped(language.messages.pageTitle));
        replace(page, "@ICON@", base64(readFile(argv[3])));
        replace(page, "@STYLE@", style);
        replace(page, "@SWITCHNAME@", escaped(language.messages.languageSwitch));
        replace(page, "@SWITCH@", languageSwitch());
        replace(page, "@CONTROLS@", controlElements());
        replace(page, "@MODULE@", base64(readFile(argv[2])));
        replace(page, "@TEXTS@", scriptData(pageTextsJson()));
        replace(page, "@SCRIPT@", script);

        writeFile(argv[4], page);
        const QByteArray design = designJson();
        writeFile(
            QFileInfo(QString::fromLocal8Bit(argv[4])).dir().filePath("design.json").toStdString(),
            design.toStdString());
    } catch (const std::exception &error) {
        std::cerr << "makepage: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
