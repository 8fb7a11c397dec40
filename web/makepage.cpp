// Writes velmora.html, the browser edition in one file: the page template
// with the window generated from the design tables, its style and script,
// the engine module (deflated, as base64) and the icon. The Content-Security-Policy
// names the hashes of exactly this style and script. Beside the page it
// writes design.json, the same tables as data for the page's tests. Given a
// folder as well, it also writes the same page for web hosting there (site.h).
//
// usage: makepage PAGE_DIR MODULE_WASM ICON_PNG OUTPUT_HTML [SITE_DIR WEB_ICONS_DIR]

#include "controltable.h"
#include "designjson.h"
#include "introduction.h"
#include "languages.h"
#include "linepicture.h"
#include "markupescape.h"
#include "pacekeys.h"
#include "pagenames.h"
#include "panelcontrols.h"
#include "ranges.h"
#include "site.h"
#include "textfile.h"
#include "visitcommand.h"
#include "worksheetdesign.h"

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
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// The language the page is written in, until its script chooses one.
const Catalogue &language = Bulgarian;

// A zlib stream, as the page's DecompressionStream("deflate") reads it:
// qCompress's own output without the length it puts first.
std::string deflated(std::string_view bytes)
{
    const QByteArray packed =
        qCompress(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), 9);
    return packed.mid(4).toStdString();
}

// The module's zlib stream: the one the build packed more tightly (zopfli),
// once it is known to give the module back, or else qCompress's.
std::string packedModule(const std::string &module, const char *packedFile)
{
    if (packedFile == nullptr)
        return deflated(module);
    const std::string packed = ReadFile(packedFile);
    const auto size = static_cast<quint32>(module.size());
    QByteArray framed;
    for (int shift = 24; shift >= 0; shift -= 8)
        framed.append(static_cast<char>((size >> shift) & 0xFF));
    framed.append(packed.data(), static_cast<qsizetype>(packed.size()));
    if (qUncompress(framed).toStdString() != module)
        throw std::runtime_error(std::string(packedFile) + " does not give the module back");
    return packed;
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

std::string millimetres(double length)
{
    std::string text = std::to_string(length);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text + "mm";
}

// The line beside the fields (controltable.h's NoteArea).
constexpr std::string_view NoteId = "Note";

// The orange band at the top, which names the program.
constexpr std::string_view TitleControl = "Label1";

// The window's lengths in window pixels, as multiples of --u: one pixel at
// scale 1, and as much as the viewport allows beyond that.
std::string scaled(int pixels)
{
    return "calc(" + std::to_string(pixels) + " * var(--u))";
}

// The viewport that holds the window at scale 1 with this margin (in window
// pixels) all round: the smallest in which the window layout is used.
constexpr int WindowMargin = 8;
constexpr int LayoutWidth = Pixels(ClientWidth) + 2 * WindowMargin;
constexpr int LayoutHeight = Pixels(ClientHeight) + 2 * WindowMargin;

// Beside the window, on a screen wide enough for both at scale 1 or more:
// the panel, its two columns this many window pixels wide together, and a
// margin on its right.
constexpr int PanelWidth = 775;
// The language switch's height in CSS pixels (page.css).
constexpr int SwitchHeight = 28;
constexpr int WideWidth = LayoutWidth + PanelWidth + WindowMargin;

// The window's text at scale 1: its point size at 96 dots per inch, as the
// desktop shows it.
constexpr int FontPixels = FontPointSize * 96 / 72;
// The panel's text beside the window is never smaller than this many of the
// reader's rem. A rem grows with the browser's zoom, which the window's unit,
// a share of the viewport, undoes: zoomed in, the panel's text grows, and
// where the window's scale no longer gives it that size beside the window,
// the panel goes below it.
constexpr double PanelTextRem = 1.25;
// Below the window, the panel's text in rem: about the window's own text on
// a usual screen, and on 1920 × 1080 its size at 100 %, so that zoomed in
// it grows as the zoom does.
constexpr double PanelBelowTextRem = 1.5;

// A length in em, the unit of a media query that follows the reader's text
// size, for a length of CSS pixels at the default 16 px to the em.
std::string ems(double pixels)
{
    std::string text = std::to_string(pixels / 16);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text + "em";
}

const ControlEntry &TitleEntry()
{
    return *std::find_if(Controls.begin(), Controls.end(),
                         [](const ControlEntry &e) { return e.name == TitleControl; });
}

// The language switch's width in window pixels at scale 1, by page.css's
// sizes and on the generous side: 12 of padding, each button 8 of padding and
// border around a caption of at most 12 a letter, 28 at least, and 6 between
// two buttons.
int SwitchWidth()
{
    int width = 12;
    for (const Catalogue *catalogue : Catalogues) {
        const std::string_view caption = catalogue->shortName;
        const auto letters = std::count_if(caption.begin(), caption.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        });
        width += std::max(28, 8 + 12 * static_cast<int>(letters)) + (width > 12 ? 6 : 0);
    }
    return width;
}

// The switch keeps the screen's top right corner, level with the title of
// the window, which stands centred at the top. Where that leaves the switch
// too little room beside the title, the window moves down below it, and its
// scale is the larger of the two that give the switch room either way. With
// two languages the room beside the title is enough.
struct SwitchRoom
{
    int width;  // the viewport, in window pixels, with the switch beside the title
    int above;  // how far the window moves down for the switch above the title
    int height; // the viewport, in window pixels, with the window moved down
};

SwitchRoom RoomForTheSwitch()
{
    const ControlEntry &title = TitleEntry();
    const int titleRight = WindowMargin + Pixels(title.left + title.width) + 2;
    const int above = SwitchHeight + 1 - Pixels(title.top);
    return {2 * titleRight - LayoutWidth + 2 * SwitchWidth(), above, LayoutHeight + above};
}

bool SwitchBesideTheTitle()
{
    return RoomForTheSwitch().width <= LayoutWidth;
}

std::string windowMedia()
{
    const int height = SwitchBesideTheTitle() ? LayoutHeight : RoomForTheSwitch().height;
    return "(min-width: " + std::to_string(LayoutWidth) +
           "px) and (min-height: " + std::to_string(height) + "px)";
}

// Wide enough for the panel beside the window at a scale that gives the
// panel's text its least size: at 1920 × 1080, up to about 120 % zoom.
std::string wideMedia()
{
    constexpr double leastScale = PanelTextRem * 16 / FontPixels;
    return windowMedia() + " and (min-width: " + ems(WideWidth * leastScale) +
           ") and (min-height: " + ems(LayoutHeight * leastScale) +
           ") and (min-aspect-ratio: " + std::to_string(LayoutWidth) + "/" +
           std::to_string(LayoutHeight) + ")";
}

// One window pixel when the window fills the viewport, margins included, in
// whichever of the two directions is tighter. Firefox keeps a min() of
// lengths to 1/60 px, which times hundreds of window pixels would miss by
// several: taken for a thousand window pixels, it stays exact.
std::string fitUnit(std::string_view viewportHeight, int width = LayoutWidth)
{
    const std::string vh = "100000" + std::string(viewportHeight);
    std::string unit = "min(100000vw / " + std::to_string(width) + ", " + vh + " / " +
                       std::to_string(LayoutHeight);
    if (width == LayoutWidth && !SwitchBesideTheTitle()) {
        const SwitchRoom room = RoomForTheSwitch();
        unit += ", max(100000vw / " + std::to_string(room.width) + ", " + vh + " / " +
                std::to_string(room.height) + ")";
    }
    return "calc(" + unit + ") / 1000)";
}

std::string controlStyle()
{
    std::ostringstream css;
    css << "#MainWindow { background: " << cssColour(WindowBackColour) << "; font-family: \""
        << FontFamily << "\", \"Liberation Serif\", serif; }\n";
    css << "@media " << windowMedia() << " {\n";
    // Never less than at scale 1, as the scale is never below 1 here, should
    // an engine's rounding of the unit make it a hair smaller.
    const int fontPixels = FontPixels;
    // The language switch stands outside the window and scales with it.
    css << "#MainWindow, #Languages { --u: " << fitUnit("vh") << "; }\n";
    // The window below the switch where the switch has no room beside the
    // title (page.css reads --switch-room in the window layout alone).
    if (!SwitchBesideTheTitle()) {
        const SwitchRoom room = RoomForTheSwitch();
        css << "#MainWindow { --switch-room: clamp(0px, (" << room.width
            << " * var(--u) - 100vw) * 1000, " << room.above << " * var(--u)); }\n";
    }
    css << "#MainWindow { width: " << scaled(Pixels(ClientWidth))
        << "; height: " << scaled(Pixels(ClientHeight)) << "; font-size: max(" << fontPixels
        << "px, " << scaled(fontPixels) << "); }\n";
    // The height a phone's browser leaves when its toolbars show.
    css << "@supports (height: 1dvh) { #MainWindow, #Languages { --u: " << fitUnit("dvh")
        << "; } }\n";
    const auto place = [&](std::string_view id, int left, int top, int width, int height) {
        css << '#' << id << " { left: " << scaled(Pixels(left)) << "; top: " << scaled(Pixels(top))
            << "; width: " << scaled(Pixels(width)) << "; height: " << scaled(Pixels(height))
            << "; }\n";
    };
    for (const ControlEntry &entry : Controls)
        place(elementId(entry), entry.left, entry.top, entry.width, entry.height);
    place(NoteId, NoteArea.left, NoteArea.top, NoteArea.width, NoteArea.height);
    // Below the window the panel's text follows the reader's size alone.
    css << "#Panel { font-size: max(" << fontPixels << "px, " << PanelBelowTextRem << "rem); }\n";
    css << "}\n";
    // For touch, each control in the grid's area of its own name (page.css).
    css << "@media not all and " << windowMedia() << " {\n";
    for (const ControlEntry &entry : Controls)
        css << '#' << elementId(entry) << " { grid-area: " << elementId(entry) << "; }\n";
    css << '#' << NoteId << " { grid-area: " << NoteId << "; }\n}\n";
    // The panel beside the window at the window's scale, which now leaves
    // room for it, as high as the screen.
    css << "@media " << wideMedia() << " {\n";
    css << "#MainWindow, #Panel, #Languages { --u: " << fitUnit("vh", WideWidth) << "; }\n";
    css << "@supports (height: 1dvh) { #MainWindow, #Panel, #Languages { --u: "
        << fitUnit("dvh", WideWidth) << "; } }\n";
    css << "#Panel { width: " << scaled(PanelWidth) << "; font-size: max(" << PanelTextRem
        << "rem, " << scaled(fontPixels) << "); }\n";
    // Below the language switch, which keeps the screen's top right corner.
    css << "#Reading { height: calc(100vh - " << scaled(SwitchHeight) << " - "
        << scaled(WindowMargin) << "); }\n";
    css << "@supports (height: 1dvh) { #Reading { height: calc(100dvh - " << scaled(SwitchHeight)
        << " - " << scaled(WindowMargin) << "); } }\n";
    css << "}\n";
    css << "#Panel { font-family: \"" << FontFamily << "\", \"Liberation Serif\", serif; }\n";
    for (const ControlEntry &entry : Controls)
        if (entry.backColour != DefaultColour)
            css << '#' << elementId(entry) << " { background-color: " << cssColour(entry.backColour)
                << "; }\n";
    return css.str();
}

std::string controlElement(std::size_t i)
{
    const ControlEntry &entry = Controls[i];
    const std::string id = elementId(entry);
    const ControlText &texts = TextsOf(entry, language);
    const std::string common =
        "id=\"" + id + "\" aria-label=\"" + EscapedMarkup(texts.accessibleName) + "\"";
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
                    .append(EscapedMarkup(language.messages.pageCannotLoad));
            else
                html.append(">").append(EscapedMarkup(IntroductionText(language)));
            html += "</textarea>";
        } else {
            // The one-line fields take the coefficients: a phone offers its
            // keyboard of digits, which on Android also has the minus sign.
            // Pole1 to Pole3 are the visit's fields A, B and C.
            html = "<input type=\"text\" " + common + " data-entry=\"" +
                   std::string(EntryName(static_cast<Entry>(entry.index - 1))) +
                   "\" inputmode=\"numeric\" autocomplete=\"off\" spellcheck=\"false\"";
            if (entry.maxLength > 0)
                html += " maxlength=\"" + std::to_string(entry.maxLength) + "\"";
            if (entry.settings & Centred)
                html += " class=\"centred\"";
            html += " value=\"" + EscapedMarkup(texts.text) + "\">";
        }
        break;
    case ControlType::CommandButton:
        html = "<button type=\"button\" " + common + ">" + EscapedMarkup(texts.text) + "</button>";
        break;
    case ControlType::ListBox:
        html = "<select " + common + " size=\"" + std::to_string(RangeEntries.size()) + "\">";
        for (std::string_view range : RangeEntries)
            html += "<option>" + EscapedMarkup(range) + "</option>";
        html += "</select>";
        break;
    case ControlType::Label: {
        // A caption carries a name of its own, which a bare label or div may
        // not: the title is the page's heading, the rest are notes on the
        // controls beneath them. A caption over a control stays its label,
        // so that a tap or click on it goes to the field.
        const std::size_t box = CaptionedControl(i);
        const std::string role =
            entry.name == TitleControl ? " role=\"heading\" aria-level=\"1\"" : " role=\"note\"";
        html = box < Controls.size()
                   ? "<label class=\"caption\" " + common + role + " for=\"" +
                         elementId(Controls[box]) + "\">" + EscapedMarkup(texts.text) + "</label>"
                   : "<div class=\"caption\" " + common + role + ">" + EscapedMarkup(texts.text) +
                         "</div>";
        break;
    }
    }
    return html;
}

// In tab order, so the page's own order is the window's; captions, which
// take no focus, go first and lie beneath the controls they reach into.
std::string controlElements()
{
    std::string html;
    for (const bool captions : {true, false})
        for (const std::size_t i : TabOrder()) {
            if ((Controls[i].type == ControlType::Label) != captions)
                continue;
            // The note after the fields it speaks of, before the transcript.
            if (Controls[i].name == "Pole" && Controls[i].index == 4)
                html += "    <p id=\"" + std::string(NoteId) +
                        "\" role=\"status\" aria-live=\"polite\"></p>\n";
            html += "    " + controlElement(i) + "\n";
        }
    return html;
}

// Next, Previous and Show all, which pace Euclid's way a step at a time,
// and where it stands, said as it changes.
std::string paceElements()
{
    const auto button = [](const PaceKey &pace) {
        const PanelControl control = PanelControlOf(language, pace.button);
        std::string_view tip;
        for (const auto &[element, text] : PanelTips(language))
            if (element == pace.button)
                tip = text;
        return "<button type=\"button\" id=\"" + std::string(pace.button) + "\" data-command=\"" +
               std::string(pace.command) + "\" data-key=\"" + std::string(pace.key) +
               "\" aria-label=\"" + EscapedMarkup(control.name) + "\" title=\"" +
               EscapedMarkup(tip) + "\" disabled>" + EscapedMarkup(control.caption) + "</button>";
    };
    return "        <div id=\"EuclidPace\" role=\"group\" aria-label=\"" +
           EscapedMarkup(PanelControlOf(language, "EuclidPace").name) + "\">" +
           button(PacePrevious) + button(PaceNext) + button(PaceAll) +
           "<span id=\"EuclidAt\" aria-live=\"polite\"></span></div>\n";
}

// Euclid's way and "Your answer", in the page's first language: on a wide
// screen beside the window, else after it, reached from the link that
// follows the window. The copy of the transcript there is the window's own
// field shown whole, so screen readers meet it once, in the window.
std::string panelElements()
{
    const auto caption = [](std::string_view id) {
        return EscapedMarkup(PanelControlOf(language, id).caption);
    };
    const auto named = [](std::string_view id) {
        return "id=\"" + std::string(id) + "\" aria-label=\"" +
               EscapedMarkup(PanelControlOf(language, id).name) + "\"";
    };
    // On a phone the link opens the section, closed while the pupil
    // practises; until Calculate it is no link, and the line after it says
    // why.
    std::string html = "<a id=\"EuclidLink\" href=\"#Euclid\" aria-controls=\"Euclid\" "
                       "aria-expanded=\"false\">" +
                       caption("EuclidLink") + "</a>\n<p id=\"EuclidLater\">" +
                       caption("EuclidLater") + "</p>\n<div id=\"Panel\">\n";
    // Plain text rather than a field, so that on a projector its lines
    // continue from one column into the next.
    html += "    <div id=\"Reading\">\n";
    html += "    <pre id=\"TranscriptCopy\" aria-hidden=\"true\"></pre>\n";
    html += "    <section id=\"Euclid\" tabindex=\"-1\" aria-labelledby=\"EuclidTitle\">\n"
            "        <div class=\"euclid-head\">\n"
            "        <h2 id=\"EuclidTitle\">" +
            caption("EuclidTitle") +
            "</h2>\n"
            // The two methods, a radio group: arrow keys and taps alike.
            "        <div id=\"EuclidMethod\" role=\"radiogroup\" "
            "aria-labelledby=\"EuclidMethodCaption\">\n"
            "            <span id=\"EuclidMethodCaption\">" +
            caption("EuclidMethodCaption") +
            "</span>\n"
            "            <label><input type=\"radio\" name=\"EuclidMethod\" "
            "value=\"substitution\" checked> <span id=\"EuclidBySubstitutionCaption\">" +
            caption("EuclidBySubstitutionCaption") +
            "</span></label>\n"
            "            <label><input type=\"radio\" name=\"EuclidMethod\" value=\"table\"> "
            "<span id=\"EuclidAsTableCaption\">" +
            caption("EuclidAsTableCaption") +
            "</span></label>\n"
            "        </div>\n        </div>\n" +
            paceElements() +
            "        <div id=\"EuclidWay\"></div>\n"
            "    </section>\n    </div>\n";
    // The bounds a task sets, after Euclid's way as the account they give
    // follows it, and outside the columns the reading fills on a projector:
    // one tick for each choice, a box for each end.
    html += "    <section id=\"Bounds\" aria-labelledby=\"BoundsTitle\">\n"
            "        <h2 id=\"BoundsTitle\">" +
            caption("BoundsTitle") + "</h2>\n        <div class=\"choices\">\n";
    for (const auto &[id, choice] :
         {std::pair<std::string_view, std::string_view>{"BoundsNatural", "natural"},
          {"BoundsNonNegative", "nonNegative"}}) {
        const std::string captionId = std::string(id) + "Caption";
        html += "            <label class=\"claim\"><input type=\"checkbox\" id=\"" +
                std::string(id) + "\" data-choice=\"" + std::string(choice) + "\"><span id=\"" +
                captionId + "\">" + caption(captionId) + "</span></label>\n";
    }
    html += "        </div>\n        <div class=\"entries\">\n";
    const std::pair<std::string_view, BoundEnd> ends[] = {{"BoundXMin", BoundEnd::XMin},
                                                          {"BoundXMax", BoundEnd::XMax},
                                                          {"BoundYMin", BoundEnd::YMin},
                                                          {"BoundYMax", BoundEnd::YMax}};
    for (const auto &[id, end] : ends) {
        const std::string captionId = std::string(id) + "Caption";
        html += "            <label id=\"" + captionId + "\" for=\"" + std::string(id) + "\">" +
                caption(captionId) + "</label><input type=\"text\" " + named(id) +
                " data-bound=\"" + std::string(BoundEndName(end)) +
                "\" aria-describedby=\"BoundsFaults\" inputmode=\"numeric\" maxlength=\"24\" "
                "autocomplete=\"off\" spellcheck=\"false\">\n";
    }
    html += "        </div>\n"
            "        <p id=\"BoundsFaults\" role=\"status\" aria-live=\"polite\"></p>\n"
            "        <pre id=\"BoundsAccount\" hidden></pre>\n"
            "    </section>\n";
    // The picture of the equation, placed by the script after Calculate.
    html += "    <section id=\"Picture\" aria-labelledby=\"PictureTitle\" hidden>\n"
            "        <h2 id=\"PictureTitle\">" +
            caption("PictureTitle") +
            "</h2>\n"
            "        <div id=\"PictureView\"></div>\n"
            "    </section>\n";
    html += "    <section " + named("Practice") +
            ">\n"
            "        <h2 id=\"PracticeTitle\">" +
            caption("PracticeTitle") + "</h2>\n        <div class=\"entries\">\n";
    // The entries take whole numbers with a sign, as the coefficients do.
    const std::pair<std::string_view, Entry> entries[] = {{"AnswerX0", Entry::X0},
                                                          {"AnswerY0", Entry::Y0},
                                                          {"AnswerP", Entry::StepX},
                                                          {"AnswerQ", Entry::StepY}};
    for (const auto &[id, field] : entries) {
        const std::string captionId = std::string(id) + "Caption";
        html += "            <label id=\"" + captionId + "\" for=\"" + std::string(id) + "\">" +
                caption(captionId) + "</label><input type=\"text\" " + named(id) +
                " data-entry=\"" + std::string(EntryName(field)) +
                "\" inputmode=\"numeric\" autocomplete=\"off\" spellcheck=\"false\">\n";
    }
    // While bounds are in effect, the list of the solutions they allow in
    // place of the entries and the claim; brackets and separators are typed
    // too, so the keyboard is the full one.
    html += "        </div>\n"
            "        <div class=\"list\" hidden><label id=\"AnswerListCaption\" "
            "for=\"AnswerList\">" +
            caption("AnswerListCaption") + "</label><input type=\"text\" " + named("AnswerList") +
            " data-entry=\"" + std::string(EntryName(Entry::List)) +
            "\" autocomplete=\"off\" spellcheck=\"false\"></div>\n";
    html +=
        "        <label class=\"claim\"><input type=\"checkbox\" " + named("AnswerNone") +
        "><span id=\"AnswerNoneCaption\">" + caption("AnswerNoneCaption") +
        "</span></label>\n"
        "        <div class=\"actions\"><button type=\"button\" " +
        named("AnswerCheck") + ">" + caption("AnswerCheck") + "</button><button type=\"button\" " +
        named("AnswerHint") + ">" + caption("AnswerHint") +
        "</button></div>\n"
        "        <div " +
        named("Feedback") +
        " role=\"status\" aria-live=\"polite\" tabindex=\"-1\"></div>\n"
        "        <ol " +
        named("Hints") +
        " aria-live=\"polite\" hidden></ol>\n"
        "        <p class=\"tally\"><span id=\"TallyCaption\">" +
        caption("TallyCaption") + "</span>: <span id=\"Tally\"></span> <button type=\"button\" " +
        named("TallyClear") + ">" + caption("TallyClear") + "</button></p>\n    </section>\n";
    html += "    <p class=\"away\"><a id=\"WorksheetLink\" href=\"?worksheet\">" +
            caption("WorksheetLink") + "</a></p>\n</div>";
    return html;
}

// The worksheet's form: a control for each option of the design, in its
// order, named as the options are, with the limits of the numbers. The
// script fills the lists and every caption from the engine's answer.
std::string sheetForm()
{
    std::string html = "<form id=\"SheetForm\">\n";
    for (const SheetOption &option : SheetOptions) {
        const std::string name(option.name);
        const std::string caption = "<span data-label=\"" + name + "\"></span>";
        const std::string limits = " min=\"" + std::to_string(option.lower) + "\" max=\"" +
                                   std::to_string(option.upper) + "\"";
        switch (option.kind) {
        case SheetOptionKind::Number:
        case SheetOptionKind::Percent:
            html += "<label>" + caption + " <input name=\"" + name + "\" type=\"number\"" + limits +
                    " inputmode=\"numeric\">" +
                    (option.kind == SheetOptionKind::Percent ? " %" : "") + "</label>\n";
            break;
        case SheetOptionKind::Code: {
            const std::string digits = std::to_string(std::to_string(option.upper).size());
            html += "<label>" + caption + " <input name=\"" + name +
                    "\" type=\"text\" inputmode=\"numeric\" size=\"" +
                    std::to_string(std::to_string(option.upper).size() + 1) + "\" maxlength=\"" +
                    digits + "\"></label>\n";
            html +=
                "<button type=\"button\" id=\"SheetNewCode\" data-label=\"newCode\"></button>\n";
            break;
        }
        case SheetOptionKind::Range:
        case SheetOptionKind::Language:
        case SheetOptionKind::Paper:
            html += "<label>" + caption + " <select name=\"" + name + "\"></select></label>\n";
            break;
        case SheetOptionKind::Flag:
            html +=
                "<label><input name=\"" + name + "\" type=\"checkbox\"> " + caption + "</label>\n";
            break;
        }
    }
    html += "<button type=\"button\" id=\"SheetPrint\" data-label=\"print\"></button>\n"
            "<p id=\"SheetProblem\" role=\"alert\" hidden></p>\n</form>\n";
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
        html += "<button type=\"button\" lang=\"" + EscapedMarkup(catalogue->code) +
                "\" aria-label=\"" + EscapedMarkup(catalogue->shortName) + ", " +
                EscapedMarkup(catalogue->name) + "\" aria-pressed=\"" +
                (catalogue == &language ? "true" : "false") + "\">" +
                EscapedMarkup(catalogue->shortName) + "</button>";
    }
    return html;
}

// page.js with the engine's text passing (enginetext.mjs, a module the tests
// and the benchmark import) set in at its marker, as a plain function.
std::string pageScript(const std::string &dir)
{
    std::string script = "\n" + ReadFile(dir + "/page.js");
    std::string module = ReadFile(dir + "/enginetext.mjs");
    for (std::size_t at; (at = module.find("export function")) != std::string::npos;)
        module.erase(at, std::string_view("export ").size());
    ReplaceMarker(script, "// @ENGINETEXT@", module);
    return script;
}

// The built page carries its style and script without what only a reader
// needs. Nothing is renamed or reordered: only comments and the blanks that
// separate nothing go, so the result means what the source means.

// A style sheet's comments go, and its lines are joined: a line break is a
// blank in CSS, and none is needed after a brace, semicolon or comma, nor
// before a closing brace.
std::string minifiedStyle(std::string_view css)
{
    std::string plain;
    for (std::size_t at = 0; at < css.size();) {
        const char c = css[at];
        if (c == '"' || c == '\'') {
            const std::size_t end = css.find(c, at + 1);
            if (end == std::string_view::npos)
                throw std::runtime_error("style: a string without its end");
            plain.append(css.substr(at, end + 1 - at));
            at = end + 1;
        } else if (css.substr(at, 2) == "/*") {
            const std::size_t end = css.find("*/", at + 2);
            if (end == std::string_view::npos)
                throw std::runtime_error("style: a comment without its end");
            at = end + 2;
        } else {
            plain += c;
            ++at;
        }
    }
    std::string out;
    std::istringstream lines(plain);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        if (!out.empty() && std::string_view("{};,").find(out.back()) == std::string_view::npos &&
            line.front() != '}')
            out += ' ';
        out += line;
    }
    return out;
}

// A script loses its lines that are comments alone, its indentation and its
// blank lines; every line break stays, so semicolon insertion reads it as
// before. A template literal over several lines would lose its indentation
// too, so a script with one is refused.
std::string minifiedScript(std::string_view script)
{
    std::string out;
    std::istringstream lines{std::string(script)};
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line.compare(first, 2, "//") == 0)
            continue;
        line.erase(0, first);
        if (line.starts_with("/*"))
            throw std::runtime_error("script: a block comment, which lines alone cannot tell");
        if (std::count(line.begin(), line.end(), '`') % 2 != 0)
            throw std::runtime_error("script: a template literal over several lines: " + line);
        out.append(line).append("\n");
    }
    return out;
}

// JSON to stand inside a <script> element: no "</" may end it early.
std::string scriptData(std::string json)
{
    for (std::size_t at = 0; (at = json.find("</", at)) != std::string::npos; at += 3)
        json.replace(at, 2, "<\\/");
    return json;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5 && argc != 7 && argc != 8) {
        std::cerr << "usage: makepage PAGE_DIR MODULE_WASM ICON_PNG OUTPUT_HTML"
                     " [SITE_DIR WEB_ICONS_DIR [MODULE_ZLIB]]\n";
        return 2;
    }
    try {
        const std::string dir = argv[1];
        std::string page = ReadFile(dir + "/page.html");
        const std::string media = windowMedia();
        std::string style = ReadFile(dir + "/page.css") + controlStyle() +
                            PictureStyleSheet(PicturePalette::Page());
        for (std::size_t at; (at = style.find("@WIDE@")) != std::string::npos;)
            style.replace(at, 6, wideMedia());
        for (std::size_t at; (at = style.find("@WINDOW@")) != std::string::npos;)
            style.replace(at, 8, media);
        const std::string margins =
            millimetres(WorksheetMargins.top) + " " + millimetres(WorksheetMargins.side);
        for (std::size_t at; (at = style.find("@SHEETMARGINS@")) != std::string::npos;)
            style.replace(at, 14, margins);
        style = minifiedStyle(style);
        const std::string script = minifiedScript(pageScript(dir));
        // Ahead of the content, so that no frame shows it before the script
        // has put it in its language; the page's script takes the class away.
        const std::string opening = "document.documentElement.classList.add('opening')";

        const std::string policy =
            "default-src 'none'; script-src 'sha256-" + base64(sha256(opening)) + "' 'sha256-" +
            base64(sha256(script)) + "' 'wasm-unsafe-eval'; style-src 'sha256-" +
            base64(sha256(style)) + "'; img-src data:; base-uri 'none'; form-action 'none'";

        ReplaceMarker(page, "@TITLE@", EscapedMarkup(language.messages.pageTitle));
        ReplaceMarker(page, "@DESCRIPTION@", EscapedMarkup(language.messages.pageDescription));
        ReplaceMarker(page, "@ICON@", base64(ReadFile(argv[3])));
        ReplaceMarker(page, "@STYLE@", style);
        ReplaceMarker(page, "@LAYOUT@", EscapedMarkup(media));
        ReplaceMarker(page, "@SWITCHNAME@", EscapedMarkup(language.messages.languageSwitch));
        ReplaceMarker(page, "@SWITCH@", languageSwitch());
        ReplaceMarker(page, "@CONTROLS@", controlElements());
        ReplaceMarker(page, "@PANEL@", panelElements());
        // The worksheet view's way back to the solver, first in it.
        ReplaceMarker(page, "@SHEETFORM@",
                      "<p class=\"away\"><a id=\"SolverLink\" href=\"?\">" +
                          EscapedMarkup(PanelControlOf(language, "SolverLink").caption) +
                          "</a></p>\n" + sheetForm());
        const std::string module = ReadFile(argv[2]);
        ReplaceMarker(page, "@TEXTS@", scriptData(pageTextsJson()));
        ReplaceMarker(page, "@OPENING@", opening);
        ReplaceMarker(page, "@SCRIPT@", script);

        std::string single = page;
        ReplaceMarker(single, "@POLICY@", policy);
        ReplaceMarker(single, "@WORKER@", "");
        ReplaceMarker(single, "@MODULESRC@", "");
        ReplaceMarker(single, "@MODULE@",
                      base64(packedModule(module, argc == 8 ? argv[7] : nullptr)));
        ReplaceMarker(single, "@INSTALL@", "");
        WriteFile(argv[4], single);
        const std::string design = designJson();
        WriteFile(
            QFileInfo(QString::fromLocal8Bit(argv[4])).dir().filePath("design.json").toStdString(),
            design);

        if (argc >= 7) {
            const ControlEntry &title = TitleEntry();
            std::vector<SiteFacts::Language> languages = {
                {std::string(language.code), std::string(language.messages.pageDescription)}};
            for (const Catalogue *catalogue : Catalogues)
                if (catalogue != &language)
                    languages.push_back({std::string(catalogue->code),
                                         std::string(catalogue->messages.pageDescription)});
            const SiteFacts facts{std::string(TextsOf(title, language).text),
                                  languages,
                                  cssColour(title.backColour),
                                  cssColour(WindowBackColour),
                                  base64(sha256(single)).substr(0, 16),
                                  base64};
            WriteSite(argv[5], argv[6], dir, page, policy, module, facts);
        }
    } catch (const std::exception &error) {
        std::cerr << "makepage: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
