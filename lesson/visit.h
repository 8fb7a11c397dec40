#pragma once

// Visit holds everything one user's visit holds, free of any toolkit: the
// three coefficient texts and whether they are Ready or Calculated, the one
// random sequence, the selected range, the language and the user's decimal
// separator, the working and Euclid's way of the last calculation, the line
// beside the fields, the bounds set beside Euclid's way, and "Your answer": the pupil's entries,
// the last check's feedback, the hints given and the round's tally. Each of the user's actions is
// one command (visitcommand.h); what every front end draws is one view (visitview.h). The window
// and the page forward the actions and draw the view, so that both behave alike.

#include "calculation.h"
#include "euclidlesson.h"
#include "practiceround.h"
#include "visitcommand.h"
#include "visitview.h"
#include "working.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class Visit
{
public:
    Visit(RandomSource random, const Catalogue &language);

    // Carries out the command; the view as it then stands.
    const VisitView &Apply(const Command &command);
    const VisitView &View() const { return view_; }

    const Catalogue &Language() const { return *language_; }
    // What the last calculation computed, beyond its lines.
    const Working &LastWorking() const { return working_; }

    // The commands, one each; Apply calls them.
    void operator()(const command::Start &);
    void operator()(const command::Calculate &);
    void operator()(const command::Clear &);
    void operator()(const command::NewData &);
    void operator()(const command::SelectRange &selection);
    void operator()(const command::Edit &edit);
    void operator()(const command::Enter &enter);
    void operator()(const command::Claim &claim);
    void operator()(const command::Check &);
    void operator()(const command::Hint &);
    void operator()(const command::StartTallyAgain &);
    void operator()(const command::SetLanguage &language);
    void operator()(const command::SetDecimalSeparator &separator);
    void operator()(const command::SetEuclidMethod &method);
    void operator()(const command::SetBoundsChoice &choice);
    void operator()(const command::EditBound &edit);
    void operator()(const command::NextStep &);
    void operator()(const command::PreviousStep &);
    void operator()(const command::ShowAllSteps &);

private:
    bool Calculated() const { return calculated_; }
    void Calculate();
    // Every way back to Ready: nothing calculated, nothing answered.
    void ClearAll();
    // Nothing calculated, nothing answered; the coefficients as they are.
    void ForgetCalculation();
    void FillRandom();
    void ForgetAnswer();
    void ShowView();
    // The bounds the choice and the boxes give, none while a box is at
    // fault; the account and the picture of the calculation with them.
    SolutionBounds BoundsInEffect() const;
    void AccountForBounds();
    void ShowPace();
    // The hints of the task as it stands: the list's while bounds are in
    // effect, the equation's otherwise.
    std::vector<std::string> Hints() const;
    // What tells this task apart from another on the same equation: the
    // bounds in effect, none for the pair and the steps.
    std::string TaskKey() const;
    // A task's feedback and hints mislead once its bounds change.
    void BoundsChanged(const SolutionBounds &before);

    RandomSource random_;
    const Catalogue *language_;
    std::string separator_ = ".";
    std::array<std::string, 3> coefficients_;
    bool calculated_ = false;
    int range_ = -1;
    Focus focus_ = Focus::Unchanged;
    Working working_;
    std::string transcript_;
    EuclidLesson::Method method_ = EuclidLesson::Method::Substitution;
    EuclidLesson lesson_;
    std::string euclid_;
    // Shown a step at a time: the last place shown, from 1; kept while the
    // lesson is written anew, which starts again from its first step.
    bool paced_ = false;
    std::size_t paceAt_ = 0;
    NoteKind noteKind_ = NoteKind::None;
    std::string readAs_; // "A = 1, C = 0", for the ReadAs note

    // Kept for the visit: a task's bounds outlast its data and the language.
    BoundsChoice boundsChoice_ = BoundsChoice::Any;
    std::array<std::string, 4> boundEnds_;
    std::string boundsAccount_;
    std::string picture_;

    PupilAnswer answer_;
    std::string list_; // the solutions within the bounds, as typed
    std::optional<AnswerCheck> feedback_;
    int hintsShown_ = 0; // of the equation as it stands
    PracticeRound round_;

    VisitView view_;
};
