#include "euclidlesson.h"

#include "transcript.h"

#include <algorithm>

namespace {

// Characters, not bytes: U+2212 takes three bytes and one column.
std::size_t Width(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void AddLines(std::string &text, const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        text += line;
        text += LineEnd;
    }
}

} // namespace

std::vector<std::string> EuclidTableLines(const EuclidTable &table)
{
    std::vector<std::vector<std::string>> all = {table.headers};
    all.insert(all.end(), table.rows.begin(), table.rows.end());
    std::vector<std::size_t> widths;
    for (const auto &row : all) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t k = 0; k < row.size(); ++k)
            widths[k] = std::max(widths[k], Width(row[k]));
    }
    std::vector<std::string> lines;
    for (const auto &row : all) {
        std::string line;
        for (std::size_t k = 0; k < widths.size(); ++k) {
            const std::string cell = k < row.size() ? row[k] : std::string();
            line.append(2 + widths[k] - Width(cell), ' ');
            line += cell;
        }
        lines.push_back(line);
    }
    return lines;
}

std::string EuclidLessonText(const EuclidLesson &lesson)
{
    std::string text;
    for (const EuclidStep &step : lesson.steps) {
        AddLines(text, step.lines);
        if (step.table)
            AddLines(text, EuclidTableLines(*step.table));
        AddLines(text, step.linesAfter);
    }
    return text;
}

std::vector<EuclidPlace> EuclidPlaces(const EuclidLesson &lesson)
{
    using Part = EuclidPlace::Part;
    std::vector<EuclidPlace> places;
    for (std::size_t s = 0; s < lesson.steps.size(); ++s) {
        const EuclidStep &step = lesson.steps[s];
        for (std::size_t k = 0; k < step.lines.size(); ++k)
            places.push_back({s, Part::Line, k});
        if (step.table)
            for (std::size_t k = 0; k < step.table->rows.size(); ++k)
                places.push_back({s, Part::Row, k});
        for (std::size_t k = 0; k < step.linesAfter.size(); ++k)
            places.push_back({s, Part::After, k});
    }
    return places;
}

std::vector<std::string> EuclidLineParts(const EuclidStep &step, std::size_t line)
{
    const std::string &text =
        line < step.lines.size() ? step.lines[line] : step.linesAfter[line - step.lines.size()];
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (const EuclidStep::Formula &formula : step.formulas) {
        // Empty formulas and any that overlap the one before stay words.
        if (formula.line != line || formula.size == 0 || formula.begin < at ||
            formula.begin + formula.size > text.size())
            continue;
        parts.push_back(text.substr(at, formula.begin - at));
        parts.push_back(text.substr(formula.begin, formula.size));
        at = formula.begin + formula.size;
    }
    parts.push_back(text.substr(at));
    return parts;
}
