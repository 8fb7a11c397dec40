#include "designjson.h"

#include "cataloguefields.h"
#include "controltable.h"
#include "introduction.h"
#include "languagechoice.h"
#include "languages.h"
#include "pagenames.h"
#include "panelcontrols.h"
#include "ranges.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

std::string text(std::string_view utf8)
{
    return std::string(utf8);
}

std::string id(const ControlEntry &entry)
{
    return elementId(entry);
}

const char *typeName(ControlType type)
{
    switch (type) {
    case ControlType::TextBox:
        return "TextBox";
    case ControlType::CommandButton:
        return "CommandButton";
    case ControlType::ListBox:
        return "ListBox";
    case ControlType::Label:
        return "Label";
    }
    return "";
}

json control(std::size_t i)
{
    const ControlEntry &entry = Controls[i];
    const std::size_t captioned = CaptionedControl(i);
    return {
        {"id", id(entry)},
        {"name", text(entry.name)},
        {"index", entry.index},
        {"type", typeName(entry.type)},
        {"left", entry.left},
        {"top", entry.top},
        {"width", entry.width},
        {"height", entry.height},
        {"back", entry.backColour == DefaultColour ? json() : json(cssColour(entry.backColour))},
        {"tab", entry.tabIndex},
        {"multiLine", (entry.settings & MultiLine) != 0},
        {"locked", (entry.settings & Locked) != 0},
        {"centred", (entry.settings & Centred) != 0},
        {"maxLength", entry.maxLength},
        {"captionFor", captioned < Controls.size() ? json(id(Controls[captioned])) : json()},
    };
}

// What the page shows of one language: the captions and accessible names by
// element, the introduction by paragraph and the page's own texts.
json pageTexts(const Catalogue &catalogue)
{
    json captions = json::object();
    json accessibleNames = json::object();
    for (const ControlEntry &entry : Controls) {
        const ControlText &texts = TextsOf(entry, catalogue);
        if (entry.type == ControlType::CommandButton || entry.type == ControlType::Label)
            captions[id(entry)] = text(texts.text);
        accessibleNames[id(entry)] = text(texts.accessibleName);
    }
    // Euclid's way and "Your answer" beside the window, by element too.
    json panelCaptions = json::object();
    json panelNames = json::object();
    for (const PanelControl &panel : PanelControls(catalogue)) {
        const std::string element = text(panel.id);
        if (!panel.caption.empty())
            panelCaptions[element] = text(panel.caption);
        if (!panel.name.empty())
            panelNames[element] = text(panel.name);
    }
    json panelTips = json::object();
    for (const auto &[element, tip] : PanelTips(catalogue))
        panelTips[text(element)] = text(tip);
    return {
        {"shortName", text(catalogue.shortName)},
        {"name", text(catalogue.name)},
        {"captions", captions},
        {"accessibleNames", accessibleNames},
        {"panel",
         {{"captions", panelCaptions}, {"accessibleNames", panelNames}, {"tips", panelTips}}},
        {"introduction", IntroductionText(catalogue)},
        {"cannotLoad", text(catalogue.messages.pageCannotLoad)},
        {"title", text(catalogue.messages.pageTitle)},
        {"description", text(catalogue.messages.pageDescription)},
        {"languageSwitch", text(catalogue.messages.languageSwitch)},
    };
}

// All of it, and every phrase of the catalogue by its dotted name.
json texts(const Catalogue &catalogue)
{
    json texts = pageTexts(catalogue);
    // For the tests, the introduction by paragraph.
    texts["introduction"] = std::vector<std::string_view>(catalogue.introduction.lines.begin(),
                                                          catalogue.introduction.lines.end());
    json &phrases = texts["phrases"] = json::object();
    ForEachPhrase(catalogue, [&](const std::string &key, const Phrase &phrase) {
        phrases[key] = text(phrase);
    });
    // The messages whose words follow a number, each form in the order of
    // the language's plural rule, and that rule as its po file writes it.
    json &plurals = texts["plurals"] = json::object();
    ForEachPlural(catalogue, [&](const std::string &key, const PluralPhrase &phrase) {
        json &forms = plurals[key] = json::array();
        for (std::size_t i = 0; i < phrase.count; ++i)
            forms.push_back(text(phrase.forms[i]));
    });
    texts["pluralForms"] = text(catalogue.pluralForms);

    // The controls of "Your answer", by name: the caption and the name a
    // screen reader gives each, as the phrases above hold them.
    const std::string prefix = "practice.controls.";
    json &practiceControls = texts["practiceControls"] = json::object();
    ForEachPhrase(catalogue, [&](const std::string &key, const Phrase &phrase) {
        if (!key.starts_with(prefix))
            return;
        const std::size_t dot = key.find('.', prefix.size());
        practiceControls[key.substr(prefix.size(), dot - prefix.size())][key.substr(dot + 1)] =
            text(phrase);
    });
    return texts;
}

} // namespace

std::string pageTextsJson()
{
    json languages = json::object();
    for (const Catalogue *catalogue : Catalogues)
        languages[text(catalogue->code)] = pageTexts(*catalogue);
    // The rule for the language as data, for the first frame, before the
    // engine has started: what ends a tag's language, and the language when
    // nothing asked names one of those above. The engine decides again once
    // started, by the same rule.
    const json choice{{"ends", text(TagLanguageEnd)}, {"otherwise", text(PageFallbackCode())}};
    const json all{{"first", text(Bulgarian.code)}, {"texts", languages}, {"choice", choice}};
    return all.dump();
}

std::string designJson()
{
    json controls = json::array();
    for (std::size_t i = 0; i < Controls.size(); ++i)
        controls.push_back(control(i));

    json tabOrder = json::array();
    for (const std::size_t i : TabOrder())
        tabOrder.push_back(id(Controls[i]));

    json languages = json::object();
    for (const Catalogue *catalogue : Catalogues)
        languages[text(catalogue->code)] = texts(*catalogue);

    const json design{
        {"note",
         {{"left", NoteArea.left},
          {"top", NoteArea.top},
          {"width", NoteArea.width},
          {"height", NoteArea.height},
          {"pointSize", NotePointSize}}},
        {"caption", text(WindowCaption)},
        {"clientWidth", ClientWidth},
        {"clientHeight", ClientHeight},
        {"twipsPerPixel", TwipsPerPixel},
        {"windowBack", cssColour(WindowBackColour)},
        {"font", {{"family", text(FontFamily)}, {"pointSize", FontPointSize}}},
        {"controls", controls},
        {"tabOrder", tabOrder},
        {"ranges", RangeEntries},
        {"firstLanguage", text(Bulgarian.code)},
        {"texts", languages},
    };
    return design.dump(4) + "\n";
}
