#pragma once

#include "catalogue.h"
#include "euclidlesson.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The fields a user types into: the three coefficients (Pole1 to Pole3 of
// the design table) and "Your answer"'s entries: the pair and the steps,
// and the list of the solutions a task's bounds allow.
enum class Entry { A, B, C, X0, Y0, StepX, StepY, List };

// Each field's name where a command crosses as text (the page's script):
// the catalogue's, "coefficientA" to "constantC", "x0" to "stepY" and
// "solutionList".
std::string_view EntryName(Entry entry);
std::optional<Entry> EntryNamed(std::string_view name);

// The four boxes of the bounds beside Euclid's way, in the order the account
// takes them: x from, x to, y from, y to.
enum class BoundEnd { XMin, XMax, YMin, YMax };

// The whole numbers a task asks for, beyond the boxes: natural ones (x ≥ 1,
// y ≥ 1), non-negative ones (x ≥ 0, y ≥ 0), or any.
enum class BoundsChoice { Any, Natural, NonNegative };

// Their names where a command crosses as text: "xMin" to "yMax", and "any",
// "natural", "nonNegative".
std::string_view BoundEndName(BoundEnd end);
std::optional<BoundEnd> BoundEndNamed(std::string_view name);
std::optional<BoundsChoice> BoundsChoiceNamed(std::string_view name);

// One user's action on the visit. The controls that raise them keep their
// names from the design table: Buton0 Calculate, Buton1 Clear, Buton2
// NewData, Sluch SelectRange, Pole1 to Pole3 Edit and Enter.
namespace command {

// The window's load: selects the first range, which fills the fields once.
struct Start
{
};
struct Calculate
{
};
struct Clear
{
};
struct NewData
{
};
// The list's selection moved to range `index` of RangeEntries: one fill.
struct SelectRange
{
    int index;
};
// A field now holds `text`; a locked one keeps its own and says why.
struct Edit
{
    Entry entry;
    std::string text;
};
// Enter in a field: a coefficient's calculates as Calculate does, an
// answer's checks the answer.
struct Enter
{
    Entry entry;
};
// "No integer solution" ticked or not.
struct Claim
{
    bool noSolution;
};
// Checks "Your answer": the list of the solutions while bounds are in
// effect, otherwise the pair and the steps or the claim.
struct Check
{
};
// The next hint for the equation as it stands, one more each time.
struct Hint
{
};
struct StartTallyAgain
{
};
// The visit speaks `language` from now on.
struct SetLanguage
{
    const Catalogue *language;
};
// What the user's locale writes between a number's whole and its fraction.
struct SetDecimalSeparator
{
    std::string separator;
};
// How Euclid's way finds Bézout's equality, for the rest of the visit.
struct SetEuclidMethod
{
    EuclidLesson::Method method;
};

// "Natural" or "non-negative" chosen, or neither, for the rest of the visit.
struct SetBoundsChoice
{
    BoundsChoice choice;
};
// A bound's box now holds `text`; an empty one leaves that side open.
struct EditBound
{
    BoundEnd end;
    std::string text;
};
// Euclid's way a step at a time: the next step, or the one before (from
// all at once, the first step or all but the last), or all at once again.
struct NextStep
{
};
struct PreviousStep
{
};
struct ShowAllSteps
{
};

} // namespace command

using Command = std::variant<command::Start, command::Calculate, command::Clear, command::NewData,
                             command::SelectRange, command::Edit, command::Enter, command::Claim,
                             command::Check, command::Hint, command::StartTallyAgain,
                             command::SetLanguage, command::SetDecimalSeparator,
                             command::SetEuclidMethod, command::SetBoundsChoice, command::EditBound,
                             command::NextStep, command::PreviousStep, command::ShowAllSteps>;
