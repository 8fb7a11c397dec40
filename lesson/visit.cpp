#include "visit.h"

#include "boundsaccount.h"
#include "boundtext.h"
#include "euclid.h"
#include "fieldtext.h"
#include "linepicture.h"
#include "placeholders.h"
#include "practicehints.h"
#include "solutionlist.h"
#include "trimmed.h"

#include "numbertext.h"
#include "randomcoefficient.h"
#include "ranges.h"
#include "readcoefficient.h"
#include "solve.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

std::size_t IndexOf(Entry entry)
{
    return static_cast<std::size_t>(entry);
}

bool IsCoefficient(Entry entry)
{
    return IndexOf(entry) < 3;
}

// The first place of the lesson's step of this kind, counted from 1; 0
// where it has none.
std::size_t FirstPlaceOf(const EuclidLesson &lesson, EuclidStep::Kind kind)
{
    const std::vector<EuclidPlace> places = EuclidPlaces(lesson);
    for (std::size_t k = 0; k < places.size(); ++k)
        if (lesson.steps[places[k].step].kind == kind)
            return k + 1;
    return 0;
}

constexpr std::array<std::string_view, 8> EntryNames = {
    "coefficientA", "coefficientB", "constantC", "x0", "y0", "stepX", "stepY", "solutionList"};

constexpr std::array<std::string_view, 4> BoundEndNames = {"xMin", "xMax", "yMin", "yMax"};

// The caption of a bound's box, which names it in the line that says what
// is wrong with it.
const Phrase &CaptionOf(BoundEnd end, const BoundsTexts &say)
{
    const Phrase *captions[] = {&say.xFrom, &say.xTo, &say.yFrom, &say.yTo};
    return *captions[static_cast<std::size_t>(end)];
}

std::optional<std::int64_t> &EndOf(SolutionBounds &bounds, std::size_t k)
{
    std::optional<std::int64_t> *const ends[] = {&bounds.xMin, &bounds.xMax, &bounds.yMin,
                                                 &bounds.yMax};
    return *ends[k];
}

} // namespace

std::string_view BoundEndName(BoundEnd end)
{
    return BoundEndNames[static_cast<std::size_t>(end)];
}

std::optional<BoundEnd> BoundEndNamed(std::string_view name)
{
    for (std::size_t k = 0; k < BoundEndNames.size(); ++k)
        if (BoundEndNames[k] == name)
            return static_cast<BoundEnd>(k);
    return std::nullopt;
}

std::optional<BoundsChoice> BoundsChoiceNamed(std::string_view name)
{
    if (name == "any")
        return BoundsChoice::Any;
    if (name == "natural")
        return BoundsChoice::Natural;
    if (name == "nonNegative")
        return BoundsChoice::NonNegative;
    return std::nullopt;
}

std::string_view EntryName(Entry entry)
{
    return EntryNames[IndexOf(entry)];
}

std::optional<Entry> EntryNamed(std::string_view name)
{
    for (std::size_t k = 0; k < EntryNames.size(); ++k)
        if (EntryNames[k] == name)
            return static_cast<Entry>(k);
    return std::nullopt;
}

Visit::Visit(RandomSource random, const Catalogue &language)
    : random_(std::move(random)), language_(&language)
{
    ShowView();
}

const VisitView &Visit::Apply(const Command &command)
{
    focus_ = Focus::Unchanged;
    std::visit(*this, command);
    ShowView();
    return view_;
}

void Visit::operator()(const command::Start &)
{
    focus_ = Focus::Introduction;
    // The generator was seeded when it was made; selecting the first range
    // is start-up's one fill.
    range_ = 0;
    FillRandom();
}

void Visit::operator()(const command::Calculate &)
{
    if (!Calculated())
        Calculate();
}

void Visit::operator()(const command::Clear &)
{
    ClearAll();
}

void Visit::operator()(const command::NewData &)
{
    FillRandom();
}

void Visit::operator()(const command::SelectRange &selection)
{
    if (selection.index < 0 || selection.index >= static_cast<int>(RangeEntries.size()))
        return;
    range_ = selection.index;
    FillRandom();
}

void Visit::operator()(const command::Edit &edit)
{
    if (edit.entry == Entry::List) {
        list_ = edit.text;
        return;
    }
    if (!IsCoefficient(edit.entry)) {
        std::string *entries[] = {&answer_.x0, &answer_.y0, &answer_.stepX, &answer_.stepY};
        *entries[IndexOf(edit.entry) - 3] = edit.text;
        return;
    }
    if (Calculated()) {
        // The field keeps its text; the pupil learns how to change it.
        noteKind_ = NoteKind::Locked;
        return;
    }
    std::string &field = coefficients_[IndexOf(edit.entry)];
    if (field == edit.text)
        return;
    field = edit.text;
    // Feedback and hints about another equation would mislead; the answer
    // stays, to be checked against this one.
    feedback_.reset();
    hintsShown_ = 0;
}

void Visit::operator()(const command::Enter &enter)
{
    if (IsCoefficient(enter.entry))
        (*this)(command::Calculate{});
    else
        (*this)(command::Check{});
}

void Visit::operator()(const command::Claim &claim)
{
    answer_.noSolution = claim.noSolution;
}

void Visit::operator()(const command::Check &)
{
    const auto &[a, b, c] = coefficients_;
    const SolutionBounds bounds = BoundsInEffect();
    feedback_ = bounds.any() ? CheckSolutionListOf(a, b, c, bounds, list_, *language_)
                             : CheckAnswer(a, b, c, answer_, separator_, *language_);
    round_.Record(a, b, c, feedback_->verdict, TaskKey());
}

void Visit::operator()(const command::Hint &)
{
    const auto &[a, b, c] = coefficients_;
    if (static_cast<std::size_t>(hintsShown_) >= Hints().size())
        return;
    ++hintsShown_;
    round_.RecordHints(a, b, c, hintsShown_, TaskKey());
}

std::vector<std::string> Visit::Hints() const
{
    const auto &[a, b, c] = coefficients_;
    const SolutionBounds bounds = BoundsInEffect();
    return bounds.any() ? SolutionListHints(a, b, c, bounds, *language_)
                        : PracticeHints(a, b, c, *language_);
}

std::string Visit::TaskKey() const
{
    const SolutionBounds bounds = BoundsInEffect();
    std::string key;
    for (const auto *end : {&bounds.xMin, &bounds.xMax, &bounds.yMin, &bounds.yMax})
        key += (*end ? std::to_string(**end) : std::string()) + ";";
    return bounds.any() ? key : std::string();
}

void Visit::BoundsChanged(const SolutionBounds &before)
{
    if (BoundsInEffect() == before)
        return;
    feedback_.reset();
    hintsShown_ = 0;
}

void Visit::operator()(const command::StartTallyAgain &)
{
    round_.Clear();
}

void Visit::operator()(const command::SetLanguage &language)
{
    if (!language.language || language.language == language_)
        return;
    language_ = language.language;
    // A new language starts a new account; the coefficients stay.
    ForgetCalculation();
}

void Visit::operator()(const command::SetDecimalSeparator &separator)
{
    const SolutionBounds before = BoundsInEffect();
    separator_ = separator.separator;
    BoundsChanged(before);
    // "4,0" is a whole bound where a comma is the separator.
    AccountForBounds();
}

void Visit::operator()(const command::SetEuclidMethod &method)
{
    if (method.method == method_)
        return;
    method_ = method.method;
    lesson_.method = method_;
    // The other method of the same calculation: Euclid's way draws nothing at
    // random, so only it is written again, and the working stays as it is.
    if (calculated_) {
        // Up to the algorithm both methods write the same lines: a lesson
        // paced beyond them goes on from the other method's algorithm.
        const std::size_t algorithm = FirstPlaceOf(lesson_, EuclidStep::Kind::Algorithm);
        const auto &[a, b, c] = coefficients_;
        lesson_ = EuclidLessonFor(a, b, c, separator_, *language_, method_);
        euclid_ = EuclidLessonText(lesson_);
        if (algorithm != 0 && paceAt_ >= algorithm)
            paceAt_ = FirstPlaceOf(lesson_, EuclidStep::Kind::Algorithm);
    }
}

void Visit::operator()(const command::SetBoundsChoice &choice)
{
    if (choice.choice == boundsChoice_)
        return;
    const SolutionBounds before = BoundsInEffect();
    boundsChoice_ = choice.choice;
    BoundsChanged(before);
    AccountForBounds();
}

void Visit::operator()(const command::EditBound &edit)
{
    std::string &box = boundEnds_[static_cast<std::size_t>(edit.end)];
    if (box == edit.text)
        return;
    const SolutionBounds before = BoundsInEffect();
    box = edit.text;
    BoundsChanged(before);
    // Bounds ask more of the same equation: no field is locked against them,
    // and the account follows them as they are typed.
    AccountForBounds();
}

SolutionBounds Visit::BoundsInEffect() const
{
    SolutionBounds given;
    for (std::size_t k = 0; k < boundEnds_.size(); ++k) {
        const BoundReading reading = ReadBound(boundEnds_[k], separator_);
        if (reading.kind == BoundReading::Kind::Whole)
            EndOf(given, k) = reading.value;
        else if (reading.kind != BoundReading::Kind::Empty)
            return {}; // half a bound would answer another task
    }
    const SolutionBounds chosen = boundsChoice_ == BoundsChoice::Natural ? SolutionBounds::Natural()
                                  : boundsChoice_ == BoundsChoice::NonNegative
                                      ? SolutionBounds::NonNegative()
                                      : SolutionBounds{};
    return BothBounds(chosen, given);
}

void Visit::AccountForBounds()
{
    boundsAccount_.clear();
    picture_.clear();
    if (!calculated_)
        return;
    const auto &[a, b, c] = coefficients_;
    const SolutionBounds bounds = BoundsInEffect();
    boundsAccount_ = BoundsAccount(a, b, c, bounds, *language_);
    picture_ =
        LinePictureOfTexts(a, b, c, bounds, *language_, PicturePalette::Page(), PictureStyle::Page);
}

void Visit::operator()(const command::NextStep &)
{
    const std::size_t count = EuclidPlaces(lesson_).size();
    if (count == 0)
        return;
    const std::size_t at = std::clamp<std::size_t>(paceAt_, 1, count);
    paceAt_ = paced_ ? std::min(at + 1, count) : 1;
    paced_ = true;
}

void Visit::operator()(const command::PreviousStep &)
{
    const std::size_t count = EuclidPlaces(lesson_).size();
    if (count == 0 || (!paced_ && count == 1))
        return;
    // From all at once, the last step goes first.
    const std::size_t at = std::clamp<std::size_t>(paceAt_, 1, count);
    paceAt_ = paced_ ? std::max<std::size_t>(at, 2) - 1 : count - 1;
    paced_ = true;
}

void Visit::operator()(const command::ShowAllSteps &)
{
    paced_ = false;
}

void Visit::Calculate()
{
    calculated_ = true;
    // The result is what a keyboard or screen-reader user wants next. Left on
    // the button, the focus would fall to "Изчисти" (clear) as the button goes
    // disabled, where a second Space wipes the result unread.
    focus_ = Focus::Transcript;
    const auto &[a, b, c] = coefficients_;
    working_ = Solve({a, b, c}, random_, separator_, language_->transcript);
    transcript_ = working_.Text();
    lesson_ = EuclidLessonFor(a, b, c, separator_, *language_, method_);
    euclid_ = EuclidLessonText(lesson_);
    // A teacher pacing the lesson goes on pacing the new one, from its start.
    paceAt_ = 1;

    // A field that does not say its number plainly was read otherwise than
    // it looks: the pupil who pasted "1,5" or "−35" learns which equation
    // was solved. An empty one shows what it is read as.
    static constexpr std::array<std::string_view, 3> Letters = {"A", "B", "C"};
    readAs_.clear();
    for (std::size_t k = 0; k < coefficients_.size(); ++k) {
        const std::string_view text = Trimmed(coefficients_[k]);
        if (text.empty() || IsPlainInteger(text))
            continue;
        if (!readAs_.empty())
            readAs_ += ", ";
        readAs_ += std::string(Letters[k]) + " = " +
                   NumberText(ReadCoefficient(coefficients_[k]), separator_);
    }
    noteKind_ = readAs_.empty() ? NoteKind::None : NoteKind::ReadAs;
    AccountForBounds();
}

void Visit::ClearAll()
{
    for (std::string &text : coefficients_)
        text.clear();
    ForgetCalculation();
}

void Visit::ForgetCalculation()
{
    transcript_.clear();
    lesson_ = EuclidLesson{method_, {}};
    euclid_.clear();
    calculated_ = false;
    noteKind_ = NoteKind::None;
    AccountForBounds();
    ForgetAnswer();
}

void Visit::FillRandom()
{
    ClearAll();
    if (range_ < 0)
        return; // only before start-up has selected a range
    const double range = ReadNumber(RangeEntries[static_cast<std::size_t>(range_)]);
    for (std::string &text : coefficients_)
        text = RandomCoefficient(random_(), range);
}

void Visit::ForgetAnswer()
{
    answer_ = PupilAnswer();
    list_.clear();
    feedback_.reset();
    hintsShown_ = 0;
}

void Visit::ShowView()
{
    VisitView &v = view_;
    v.language = language_->code.value;
    v.coefficients = coefficients_;
    v.locked = calculated_;
    v.calculateEnabled = !calculated_;
    v.range = range_;
    v.transcript = transcript_;
    v.euclid = euclid_;
    v.euclidLesson = lesson_;
    v.focus = focus_;
    v.noteKind = noteKind_;
    switch (noteKind_) {
    case NoteKind::None:
        v.note.clear();
        break;
    case NoteKind::Locked:
        v.note = language_->notes.locked.value;
        break;
    case NoteKind::ReadAs:
        v.note = FillPlaceholders(language_->notes.readAs, {{"values", readAs_}});
        break;
    }

    BoundsView &bounds = v.bounds;
    bounds.choice = boundsChoice_;
    bounds.ends = boundEnds_;
    for (std::size_t k = 0; k < boundEnds_.size(); ++k)
        bounds.faults[k] =
            BoundFault(CaptionOf(static_cast<BoundEnd>(k), language_->bounds).value, boundEnds_[k],
                       ReadBound(boundEnds_[k], separator_), *language_);
    bounds.inEffect = BoundsInEffect();
    bounds.account = boundsAccount_;
    bounds.picture = picture_;

    PracticeView &p = v.practice;
    const PracticeTexts &say = language_->practice;
    p.entries = {answer_.x0, answer_.y0, answer_.stepX, answer_.stepY};
    p.noSolution = answer_.noSolution;
    p.listTask = bounds.inEffect.any();
    p.list = list_;
    p.verdict.reset();
    p.heading.clear();
    p.lines.clear();
    if (feedback_) {
        p.verdict = feedback_->verdict;
        if (feedback_->verdict != Verdict::Refused)
            p.heading = feedback_->verdict == Verdict::Right ? say.right.value : say.wrong.value;
        p.lines = feedback_->lines;
    }
    std::vector<std::string> hints = Hints();
    p.hintAvailable = static_cast<std::size_t>(hintsShown_) < hints.size();
    hints.resize(std::min(hints.size(), static_cast<std::size_t>(hintsShown_)));
    p.hints = std::move(hints);
    p.tally = round_.Tally(say);
    ShowPace();
}

void Visit::ShowPace()
{
    PaceView &p = view_.pace;
    const std::size_t count = EuclidPlaces(lesson_).size();
    p.paced = paced_;
    p.count = count;
    p.at = paced_ && count > 0 ? std::clamp<std::size_t>(paceAt_, 1, count) : 0;
    p.text = p.at == 0
                 ? std::string()
                 : FillPlaceholders(language_->euclid.paceAt, {{"current", std::to_string(p.at)},
                                                               {"count", std::to_string(count)}});
    p.next = count > 0 && (!paced_ || p.at < count);
    p.previous = paced_ ? p.at > 1 : count > 1;
    p.all = paced_;
}
