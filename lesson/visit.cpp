#include "visit.h"

#include "euclidway.h"

#include "randomcoefficient.h"
#include "ranges.h"
#include "readcoefficient.h"
#include "solve.h"

namespace {

bool IsCoefficient(int k)
{
    return k >= 1 && k <= 3;
}

} // namespace

Visit::Visit(RandomSource random, const Catalogue &language)
    : random_(std::move(random)), language_(&language)
{
    AddAccount(std::make_unique<EuclidWay>());
}

void Visit::Form_Load()
{
    focus_ = Focus::Introduction;
    // The generator was seeded when it was made; selecting the first range
    // is start-up's one fill.
    range_ = 0;
    FillRandom();
}

void Visit::Buton_Click(int index)
{
    focus_ = Focus::Unchanged;
    switch (index) {
    case 0:
        if (CalculateEnabled())
            Calculate();
        break;
    case 1:
        ClearAll();
        break;
    case 2:
        FillRandom();
        break;
    default:
        break;
    }
}

void Visit::Sluch_Click(int index)
{
    focus_ = Focus::Unchanged;
    if (index < 0 || index >= static_cast<int>(RangeEntries.size()))
        return;
    range_ = index;
    FillRandom();
}

void Visit::EnterInField()
{
    Buton_Click(0);
}

void Visit::Edit(int k, std::string text)
{
    focus_ = Focus::Unchanged;
    if (IsCoefficient(k) && !FieldsLocked())
        fields_[static_cast<std::size_t>(k - 1)] = std::move(text);
}

void Visit::SetLanguage(const Catalogue &language)
{
    focus_ = Focus::Unchanged;
    if (&language == language_)
        return;
    language_ = &language;
    transcript_.clear();
    for (std::string &text : accountTexts_)
        text.clear();
    state_ = State::Ready;
}

std::size_t Visit::AddAccount(std::unique_ptr<Account> account)
{
    accounts_.push_back(std::move(account));
    accountTexts_.emplace_back();
    return accounts_.size() - 1;
}

const std::string &Visit::Field(int k) const
{
    static const std::string none;
    return IsCoefficient(k) ? fields_[static_cast<std::size_t>(k - 1)] : none;
}

const std::string &Visit::AccountText(std::size_t index) const
{
    static const std::string none;
    return index < accountTexts_.size() ? accountTexts_[index] : none;
}

void Visit::Calculate()
{
    transcript_.clear();
    LockInputs();
    // The result is what a keyboard or screen-reader user wants next. Left on
    // the button, the focus would fall to "Изчисти" (clear) as the button goes
    // disabled, where a second Space wipes the result unread.
    focus_ = Focus::Transcript;
    working_ =
        Solve({fields_[0], fields_[1], fields_[2]}, random_, separator_, language_->transcript);
    transcript_ = working_.Text();
    for (std::size_t i = 0; i < accounts_.size(); ++i)
        accountTexts_[i] = accounts_[i]->Write(fields_, separator_, *language_);
}

void Visit::ClearAll()
{
    for (std::string &text : fields_)
        text.clear();
    transcript_.clear();
    for (std::string &text : accountTexts_)
        text.clear();
    state_ = State::Ready;
}

void Visit::LockInputs()
{
    state_ = State::Calculated;
}

void Visit::FillRandom()
{
    ClearAll();
    if (range_ < 0)
        return; // only before Form_Load has selected a range
    const double range = ReadNumber(RangeEntries[static_cast<std::size_t>(range_)]);
    for (std::string &text : fields_)
        text = RandomCoefficient(random_(), range);
}
