#include "designjson.h"

#include "controltable.h"
#include "introduction.h"
#include "pagenames.h"
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

} // namespace

QByteArray designJson(std::string_view cannotLoad)
{
    QJsonArray controls;
    QJsonObject captions;
    QJsonObject accessibleNames;
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlEntry &entry = Controls[i];
        controls.append(control(i));
        if (entry.type == ControlType::CommandButton || entry.type == ControlType::Label)
            captions.insert(id(entry), text(entry.text));
        accessibleNames.insert(id(entry), text(entry.accessibleName));
    }

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
    QJsonArray introduction;
    for (const std::string_view line : IntroductionLines)
        introduction.append(text(line));

    const QJsonObject bulgarian{
        {"captions", captions},
        {"accessibleNames", accessibleNames},
        {"introduction", introduction},
        {"cannotLoad", text(cannotLoad)},
    };
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
        {"texts", QJsonObject{{"bg", bulgarian}}},
    };
    return QJsonDocument(design).toJson(QJsonDocument::Indented);
}
