#pragma once

// Visit holds what one user's visit holds, free of any toolkit: the three
// coefficient texts, whether they are Ready to calculate or Calculated, the
// one random sequence, the selected range, the language, the transcript (with
// its CR LF line ends) and the solver's values A, B, C and NOD. The window and
// the page forward the user's actions to it and show what it gives back.
//
// The commands keep the window's event names: Form_Load once at start,
// Buton_Click for any of the three buttons (0 Изчисли, 1 Изчисти, 2 Данни),
// Sluch_Click when the list's selection moves to another range.

#include "account.h"
#include "calculation.h"
#include "value.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// Where the keyboard focus goes after a command.
enum class Focus {
    Unchanged,
    Introduction, // Pole(0)
    Transcript,   // Pole(4), where a result is read
};

class Visit
{
public:
    enum class State {
        Ready,      // the fields take typing; Изчисли is enabled
        Calculated, // the fields are locked; Изчисли is disabled
    };

    Visit(RandomSource random, const Catalogue &language);

    // ---- commands ---------------------------------------------------------

    // Selects the first range, which fills the fields once.
    void Form_Load();
    void Buton_Click(int index);
    // The list's selection moved to range `index` of RangeEntries: one fill.
    void Sluch_Click(int index);
    // Enter in a coefficient field: calculates exactly when Изчисли would.
    void EnterInField();
    // Field k (1 to 3) now holds `text`; a locked field keeps its text.
    void Edit(int k, std::string text);
    // A new language starts a new account: the transcript goes, the
    // coefficients stay, and the fields are Ready again. The language already
    // spoken changes nothing.
    void SetLanguage(const Catalogue &language);
    // What the user's locale writes between a number's whole and its fraction.
    void SetDecimalSeparator(std::string separator) { separator_ = std::move(separator); }
    const std::string &DecimalSeparator() const { return separator_; }

    // Euclid's way is the account every visit has, at this index.
    static constexpr std::size_t EuclidWayAccount = 0;
    // An account written on every calculation; its index for AccountText.
    std::size_t AddAccount(std::unique_ptr<Account> account);

    // ---- what the view shows ----------------------------------------------

    State InputState() const { return state_; }
    bool FieldsLocked() const { return state_ == State::Calculated; }
    bool CalculateEnabled() const { return state_ == State::Ready; }
    const std::string &Field(int k) const;
    const std::string &TranscriptText() const { return transcript_; }
    std::size_t AccountCount() const { return accounts_.size(); }
    const std::string &AccountText(std::size_t index) const;
    int SelectedRange() const { return range_; } // -1 until Form_Load
    Focus FocusAfter() const { return focus_; }  // of the last command
    const Catalogue &Language() const { return *language_; }
    const SolverValues &Values() const { return working_.values; }

    // The transcript replaced whole, as a front end that writes into it does.
    void ReplaceTranscript(const std::string &text) { transcript_ = text; }

private:
    void Calculate();
    void ClearAll();
    void LockInputs();
    void FillRandom();

    RandomSource random_;
    const Catalogue *language_;
    std::string separator_ = ".";
    std::array<std::string, 3> fields_;
    State state_ = State::Ready;
    int range_ = -1;
    Focus focus_ = Focus::Unchanged;
    std::string transcript_;
    Working working_;
    std::vector<std::unique_ptr<Account>> accounts_;
    std::vector<std::string> accountTexts_;
};
