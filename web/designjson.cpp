#include "designjson.h"

#include "cataloguefields.h"
#include "controltable.h"
#include "languagechoice.h"
#include "languages.h"
#include "pagenames.h"
#include "panelcontrols.h"
#include "ranges.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString id(const ControlEntry &entry)
{
    return QString::fromStdString(elementId(entry));
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

QJsonObject control(std::size_t i)
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
        {"back", entry.backColour == DefaultColour
                     ? QJsonValue()
                     : QJsonValue(QString::fromStdString(cssColour(entry.backColour)))},
        {"tab", entry.tabIndex},
        {"multiLine", (entry.settings & MultiLine) != 0},
        {"locked", (entry.settings & Locked) != 0},
        {"centred", (entry.settings & Centred) != 0},
        {"maxLength", entry.maxLength},
        {"captionFor",
         captioned < Controls.size() ? QJsonValue(id(Controls[captioned])) : QJsonValue()},
    };
}

// What the page shows of one language: the captions and accessible names by
// element, the introduction by paragraph and the page's own texts.
QJsonObject pageTexts(const Catalogue &catalogue)
{
    QJsonObject captions;
    QJsonObject accessibleNames;
    for (const ControlEntry &entry : Controls) {
        const ControlText &texts = TextsOf(entry, catalogue);
        if (entry.type == ControlType::CommandButton || entry.type == ControlType::Label)
            captions.insert(id(entry), text(texts.text));
        accessibleNames.insert(id(entry), text(texts.accessibleName));
    }
    // Euclid's way and "Your answer" beside the window, by element too.
    QJsonObject panelCaptions;
    QJsonObject panelNames;
    for (const PanelControl &panel : PanelControls(catalogue)) {
        const QString element = text(panel.id);
        if (!panel.caption.empty())
            panelCaptions.insert(element, text(panel.caption));
        if (!panel.name.empty())
            panelNames.insert(element, text(panel.name));
    }
    QJsonArray introduction;
    for (const std::string_view line : catalogue.introduction.lines)
        introduction.append(text(line));
    return {
        {"shortName", text(catalogue.shortName)},
        {"name", text(catalogue.name)},
        {"captions", captions},
        {"accessibleNames", accessibleNames},
        {"panel", QJsonObject{{"captions", panelCaptions}, {"accessibleNames", panelNames}}},
        {"introduction", introduction},
        {"cannotLoad", text(catalogue.messages.pageCannotLoad)},
        {"title", text(catalogue.messages.pageTitle)},
        {"description", text(catalogue.messages.pageDescription)},
        {"languageSwitch", text(catalogue.messages.languageSwitch)},
    };
}

// All of it, and every phrase of the catalogue by its dotted name.
QJsonObject texts(const Catalogue &catalogue)
{
    QJsonObject texts = pageTexts(catalogue);
    QJsonObject phrases;
    ForEachPhrase(catalogue, [&](const std::string &key, const Phrase &phrase) {
        phrases.insert(QString::fromStdString(key), text(phrase));
    });
    texts.insert("phrases", phrases);
    // The messages whose words follow a number, each form in the order of
    // the language's plural rule, and that rule as its po file writes it.
    QJsonObject plurals;
    ForEachPlural(catalogue, [&](const std::string &key, const PluralPhrase &phrase) {
        QJsonArray forms;
        for (std::size_t i = 0; i < phrase.count; ++i)
            forms.append(text(phrase.forms[i]));
        plurals.insert(QString::fromStdString(key), forms);
    });
    texts.insert("plurals", plurals);
    texts.insert("pluralForms", text(catalogue.pluralForms));

    // The controls of "Your answer", by name: the caption and the name a
    // screen reader gives each, as the phrases above hold them.
    const std::string prefix = "practice.controls.";
    QJsonObject practiceControls;
    ForEachPhrase(catalogue, [&](const std::string &key, const Phrase &phrase) {
        if (!key.starts_with(prefix))
            return;
        const std::size_t dot = key.find('.', prefix.size());
        const QString control =
            QString::fromStdString(key.substr(prefix.size(), dot - prefix.size()));
        QJsonObject entry = practiceControls.value(control).toObject();
        entry.insert(QString::fromStdString(key.substr(dot + 1)), text(phrase));
        practiceControls.insert(control, entry);
    });
    texts.insert("practiceControls", practiceControls);
    return texts;
}

} // namespace

QByteArray pageTextsJson()
{
    QJsonObject languages;
    for (const Catalogue *catalogue : Catalogues)
        languages.insert(text(catalogue->code), pageTexts(*catalogue));
    // The rule for the language as data, for the first frame, before the
    // engine has started: what ends a tag's language, and the language when
    // nothing asked names one of those above. The engine decides again once
    // started, by the same rule.
    const QJsonObject choice{{"ends", text(TagLanguageEnd)},
                             {"otherwise", text(PageFallbackCode())}};
    const QJsonObject all{
        {"first", text(Bulgarian.code)}, {"texts", languages}, {"choice", choice}};
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

QByteArray designJson()
{
    QJsonArray controls;
    for (std::size_t i = 0; i < Controls.size(); ++i)
        controls.append(control(i));

    std::array<std::size_t, Controls.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return Controls[a].tabIndex < Controls[b].tabIndex;
    });
    QJsonArray tabOrder;
    for (const std::size_t i : order)
        tabOrder.append(id(Controls[i]));

    QJsonArray ranges;
    for (const std::string_view range : RangeEntries)
        ranges.append(text(range));

    QJsonObject languages;
    for (const Catalogue *catalogue : Catalogues)
        languages.insert(text(catalogue->code), texts(*catalogue));

    const QJsonObject design{
        {"caption", text(WindowCaption)},
        {"clientWidth", ClientWidth},
        {"clientHeight", ClientHeight},
        {"twipsPerPixel", TwipsPerPixel},
        {"windowBack", QString::fromStdString(cssColour(WindowBackColour))},
        {"font", QJsonObject{{"family", text(FontFamily)}, {"pointSize", FontPointSize}}},
        {"controls", controls},
        {"tabOrder", tabOrder},
        {"ranges", ranges},
        {"firstLanguage", text(Bulgarian.code)},
        {"texts", languages},
    };
    return QJsonDocument(design).toJson(QJsonDocument::Indented);
}
