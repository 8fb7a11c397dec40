#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Every text a user meets, for one language: the schema of the catalogues.
// Each language is one gettext file, po/CODE.po, whose messages are named by
// their msgctxt after the members here ("transcript.gcd.between"); the build
// writes one constexpr Catalogue from each (design/makecatalogue.py), with
// designated initialisers in the order of po/en.po, which follows the order
// declared here. No entry has a default, so a message missing from en.po
// fails the build, and every entry has a name, so an extra or misspelt one
// fails it too; the other languages are held to en.po by the generator.

// One text of the catalogue, made only from a string literal.
struct Phrase
{
    template <std::size_t N> consteval Phrase(const char (&literal)[N]) : value(literal, N - 1) {}
    constexpr operator std::string_view() const { return value; }

    std::string_view value;
};

// Which of a message's plural forms goes with the number n: the rule of the
// language's Plural-Forms header, written as a function by the build.
using PluralRule = std::size_t (*)(std::uint64_t n);

// The most plural forms a language has (Arabic's six).
inline constexpr std::size_t MaxPluralForms = 6;

// A message whose words follow a number ("{count} equations"), in each of the
// language's plural forms; the number stands in the message as a placeholder.
struct PluralPhrase
{
    PluralRule rule;
    std::size_t count; // of the forms below, as the language's nplurals
    std::array<std::string_view, MaxPluralForms> forms;

    // The form that goes with n.
    constexpr std::string_view For(std::uint64_t n) const
    {
        return forms[std::min(rule(n), count - 1)];
    }
};

// The paragraphs of the introduction, one message in the po file with a line
// break between paragraphs.
struct Paragraphs
{
    template <std::size_t N>
    constexpr Paragraphs(const std::array<std::string_view, N> &lines) : lines(lines)
    {}

    std::span<const std::string_view> lines;
};

// The transcript's literal pieces, line by line, in the order the solver puts
// them between its numbers. Every language keeps that order and the numbers;
// only the words differ.
struct TranscriptTexts
{
    // "<solving>3<xPlus>5<yEquals>7": the equation as read.
    Phrase solving;
    Phrase xMinus; // between A and |B| when B < 0
    Phrase xPlus;  // between A and |B| otherwise
    Phrase yEquals;

    // "<coefficient>A<equals>9E+99<outside>-2147483648<to>2147483647<end>"
    struct OutOfRange
    {
        Phrase coefficient;
        Phrase equals;
        Phrase outside;
        Phrase to;
        Phrase end;
    } outOfRange;

    // "<equation>0x + 4y = 6", then the complaint on a line of its own.
    Phrase zeroEquation;
    Phrase zeroComplaint;

    // "<coefficients>4<between>6<computed>2"
    struct Gcd
    {
        Phrase coefficients;
        Phrase between;
        Phrase computed;
    } gcd;
    Phrase reducing;
    Phrase reducedForm; // then the reduced equation, as in the first line

    Phrase enterValues;  // A = 0 and B = 0
    Phrase anyX;         // A = 0: then C / B
    Phrase anyY;         // B = 0: then C / A
    Phrase solutionForX; // C = 0: then -B / A
    // The same three where that quotient is not a whole number, so that the
    // line says what follows from it. Bulgarian keeps its one line for both.
    Phrase anyXFraction;
    Phrase anyYFraction;
    Phrase solutionForXFraction;

    // "<gcdOf>4<between>6<notDivisor>3" or "<gcdOf>3<between>5<divisor>7"
    struct Verdict
    {
        Phrase gcdOf;
        Phrase between;
        Phrase notDivisor;
        Phrase divisor;
        Phrase noSolution;
        Phrase solvable;
    } verdict;

    Phrase pleaseWait;
    // "<searching>0<comma>7", and where that interval holds no pair,
    // "<widened>0<comma>5". Where the first bound is below 0 the interval is
    // empty: "<skipped>0<comma>-1", then "<instead>0<comma>5" (Bulgarian
    // keeps its lines for both).
    struct Search
    {
        Phrase searching;
        Phrase comma;
        Phrase widened;
        Phrase skipped;
        Phrase instead;
    } search;

    // "<xo>2<yo>-1"
    struct Found
    {
        Phrase xo;
        Phrase yo;
    } found;
    // "<x>2<minus>5<times>" and "<y>-1<plus>3<times>"
    struct General
    {
        Phrase x;
        Phrase minus;
        Phrase y;
        Phrase plus;
        Phrase times;
    } general;

    // "<checking>4<colon>", the formula, then
    // "3<timesOpen>-18<closePlus>5<timesOpen>11<closeEquals>1" and
    // "-54<plus>55<equals>1"
    struct Check
    {
        Phrase checking;
        Phrase colon;
        Phrase formula;
        Phrase timesOpen;
        Phrase closePlus;
        Phrase closeEquals;
        Phrase plus;
        Phrase equals;
    } check;
};

// Euclid's way: the same equation solved as a teacher solves it on the
// board. Each entry is one whole line with named placeholders ("{gcd}") that
// every language keeps; a placeholder named for a formula ({equation},
// {equality}, {pair}, ...) is filled with the formula as the language's
// school notation writes it (formulatext.h), a number alone likewise. The
// lines that are a formula and nothing else have no entry.
struct EuclidTexts
{
    Phrase title; // the section's one name, wherever it is shown

    // How a field whose text is not a plain whole number was read.
    Phrase readAs;    // {field} {text} {value}
    Phrase readEmpty; // {field}

    Phrase equation; // {equation}, as "91x − 35y = 14"
    // Why the equation is not solved, in one line: {reasons}, each reason a
    // filled `refusedCoefficient`, joined by "; ".
    Phrase refused;
    Phrase refusedCoefficient; // {letter} {value} {lower} {upper}

    // A = 0 and B = 0.
    Phrase everyPair; // {equation}
    Phrase noPair;    // {c}
    // A = 0 (then B = 0 alike, with x and y swapped).
    Phrase onlyY;       // {equation}
    Phrase onlyYSolved; // {b} {c} {solution}: y = 8/4 = 2
    Phrase onlyYNone;   // {b} {c} {equation}
    Phrase onlyX;       // {equation}
    Phrase onlyXSolved; // {a} {c} {solution}
    Phrase onlyXNone;   // {a} {c} {equation}

    // The divisions, one a line, then the GCD: {a} {b} are |A| = 91 and
    // |B| = 35, {gcd} the GCD d.
    Phrase algorithm; // {a} {b}
    Phrase gcd;       // {a} {b} {gcd}: after a remainder that is not 0
    Phrase gcdExact;  // {a} {b} {gcd}: the first division leaves none
    // The same as a table with the columns q, r, s, t: {a} {b} the
    // magnitudes, {rule} r = s·91 + t·35; after the table, {division} the
    // division that leaves no remainder.
    Phrase tableHeading; // {a} {b} {rule}
    Phrase tableRule;    // {a} {b}: how each row comes from the two above
    Phrase tableEnd;     // {division} {a} {b} {gcd}
    Phrase tableExact;   // {division} {a} {b} {gcd}: no row below the first two

    Phrase divides;       // {gcd} {c} {product}
    Phrase doesNotDivide; // {gcd} {c} {a} {b} {sum}

    // Bézout's equality for |A| and |B|, by back-substitution.
    Phrase remainders;       // {rule}: r = a − q·b, then each remainder so
    Phrase backSubstitution; // the heading of the substitution lines
    Phrase backNone;         // {gcd}: the GCD is |A| or |B| itself
    Phrase bezout;           // {a} {b} {equality}
    Phrase bezoutFromTable;  // {a} {b} {equality}: read from the last row
    // A or B negative: {reason} as 2·91 = (−2)·(−91), {equality} Bézout's
    // equality with A and B as they are.
    Phrase signsA;    // {a} {reason} {equality}
    Phrase signsB;    // {b} {reason} {equality}
    Phrase signsBoth; // {a} {b} {reasons} {equality}

    // The particular solution.
    Phrase multiply;   // {quotient}: C/d = 14/7 = 2; {chain}: 14 = 2·7 = …
    Phrase particular; // {pair}: x₁ = 4, y₁ = −10
    // Where that pair is larger than it needs to be: the pair, why, and the
    // step that makes it smaller ({stepX} {stepY} {sum} {cancel} {t}); the
    // smaller pair follows on a line of its own.
    Phrase solution; // {pair}: x = 41728, y = −48900
    Phrase reduce;   // {size} {stepX} {stepY} {sum} {cancel} {t}
    Phrase check;    // {check}

    // The general solution: {formula} in letters, {bOverD} {aOverD} as
    // B/d = 35/7 = 5; then the formula with the numbers on a line of its own.
    Phrase general; // {formula} {bOverD} {aOverD}
    Phrase everyT;  // {identity}: why it solves the equation for every t
    // Why every solution has that form: {particular} {equation}
    // {difference} {reduced}, with {gcd} where the GCD is not 1.
    Phrase everySolution;            // {particular} {equation} {difference} {gcd} {reduced}
    Phrase everySolutionCoprime;     // {particular} {equation} {difference} {reduced}
    Phrase everySolutionHomogeneous; // {equation} {reduced}: C = 0, so x₁ = y₁ = 0
    Phrase divisibility;             // {a} {b} {x} {xForm} {yForm}

    // The working's x₀, y₀ and its general solution beside this one.
    Phrase bridge;      // {pair} {at}: then the pair at t = k on a line of its own
    Phrase bridgeShift; // {formula} {shift}
    Phrase bridgeSame;  // {pair}: the working found the same pair

    // The window's and the page's choice between the two methods, and the
    // name a screen reader gives the table.
    Phrase method;         // the choice's label
    Phrase bySubstitution; // the divisions, then back-substitution
    Phrase asTable;        // the extended algorithm's table
    Phrase tableName;      // the table's accessible name

    // Euclid's way shown a step at a time: each control's caption, the name
    // a screen reader gives it (beginning with the caption), its tip with
    // its keys; the group's name and where the lesson stands.
    Phrase paceGroup;
    Phrase paceNext;
    Phrase paceNextName;
    Phrase paceNextTip;
    Phrase pacePrevious;
    Phrase pacePreviousName;
    Phrase pacePreviousTip;
    Phrase paceAll;
    Phrase paceAllName;
    Phrase paceAllTip;
    Phrase paceAt; // {current} {count}
};

// Solutions under conditions, after Euclid's way: each bound on x and y
// turned into an inequality on t, the inequalities joined, the solutions
// counted and listed. Every formula comes whole from the formatter, in the
// language's notation; a line of words never writes a sign of its own.
struct BoundsTexts
{
    Phrase title; // a heading wherever the account is shown apart

    // The task: {bounds}, as "x ≥ 1, y ≥ 1" or "−3 ≤ x ≤ 3".
    Phrase natural;
    Phrase nonNegative;
    Phrase given;

    Phrase noSolution; // the equation has no integer solution at all
    // 0x + 0y = 0, where the solutions are the pairs of the bounds.
    Phrase everyPair;      // {equation} {bounds}
    Phrase everyPairCount; // {product}: "7·7 = 49"

    Phrase family;      // {solution}: "x = −1 − 5t, y = 10 + 3t, t ∈ ℤ"
    Phrase holdsAlways; // after a bound that leaves no t in it and holds
    Phrase holdsNever;  // and one that fails
    Phrase signTurns;   // {divisor}: dividing by a negative number
    // {inequality} "t ≥ 1", {fraction} "2/5", {between} "0 < 2/5 < 1"
    Phrase roundUp;
    Phrase roundDown;
    Phrase together;  // {range}: "−3 ≤ t ≤ −1"
    Phrase unbounded; // no bound gives t an end

    Phrase noneRange; // {lower} {upper}: "t ≥ 2" and "t ≤ 1"
    Phrase noneNever; // {bound}
    Phrase noneEmpty; // {letter} {range}: 0x + 0y = 0 and "5 ≤ x ≤ 3"

    PluralPhrase count;     // {count}
    Phrase infinitely;      // {range}
    Phrase infinitelyAnyT;  // every whole t
    Phrase infinitelyPairs; // {letter}: 0x + 0y = 0 with a side open

    // {pairs}: all of them, or a filled `firstAndLast`, `beginning` or
    // `ending`.
    Phrase orderedByX;
    Phrase orderedByY;   // {equality} {pairs}: x the same in all, "x = 2"
    Phrase orderedByXY;  // 0x + 0y = 0
    Phrase firstAndLast; // {first} {last}
    Phrase beginning;    // {first}: they go on without end
    Phrase ending;       // {last}: they come from no end

    // The least and the greatest x, with the solution each is in.
    Phrase extremes;     // {smallest} {smallestPair} {largest} {largestPair}
    Phrase smallestOnly; // {smallest} {smallestPair}
    Phrase largestOnly;  // {largest} {largestPair}
    Phrase noExtremes;
    Phrase sameX; // {equality}: "x = 2"
    // 0x + 0y = 0, where many solutions share an x.
    Phrase extremeValues; // {smallest} {largest}
    Phrase smallestValue; // {smallest}
    Phrase largestValue;  // {largest}

    // A bound the user gave that cannot be used, one line each: {option}
    // the option or the box's name, {value} as given, {lower} {upper} the
    // range.
    Phrase notANumber;
    Phrase notWhole;
    Phrase outOfRange;
    Phrase missingValue; // {option} {lower} {upper}
    Phrase bothChoices;
    Phrase withoutExplain;
    // The command line's help, one line per option.
    Phrase helpPositive;
    Phrase helpNonNegative;
    Phrase helpXMin;
    Phrase helpXMax;
    Phrase helpYMin;
    Phrase helpYMax;
    Phrase helpBounds; // {lower} {upper}

    // The bounds beside Euclid's way: the two choices, the four boxes'
    // captions and their names for screen readers, and what the account's
    // field says before there is one.
    Phrase choiceNatural;
    Phrase choiceNonNegative;
    Phrase xFrom;
    Phrase xTo;
    Phrase yFrom;
    Phrase yTo;
    Phrase xFromName;
    Phrase xToName;
    Phrase yFromName;
    Phrase yToName;
    Phrase accountEmpty;
};

// velmora run from a shell. The help lists each option with one line of
// its own; the errors are one line each on standard error.
struct CommandLineTexts
{
    Phrase usage; // {program}
    Phrase summary;
    Phrase options; // the heading of the list
    Phrase explain;
    Phrase lang;
    Phrase help;
    Phrase version;
    // --worksheet and its options: {count} {range} {variants} {code}
    // {unsolvable} {paper} what each allows, and {countDefault}
    // {rangeDefault} {variantsDefault} {unsolvableDefault} {paperDefault}
    // {wordProblems} {wordProblemsDefault}
    Phrase worksheet;
    Phrase reading; // how A, B and C are read
    Phrase exitStatus;

    Phrase unknownArgument; // {argument}
    Phrase missingCoefficients;
    Phrase missingLanguage; // {languages}
    Phrase unknownLanguage; // {language} {languages}
    Phrase languageAlone;
    Phrase repeated;      // {argument}
    Phrase worksheetOnly; // {option}: a worksheet's option without --worksheet
    Phrase noValue;       // {option}: a flag given a value
    Phrase oneTask;       // --explain and --worksheet asked for at once
    Phrase method;        // the help's line for --method
    Phrase picture;       // and for --picture
    Phrase pictureOutput; // --picture without -o FILE.svg
    Phrase pictureCoefficients;
    Phrase together;    // {first} {second}: two tasks asked for at once
    Phrase explainOnly; // {option}: an option of --explain's without it
    Phrase outputOnly;  // {option}: -o with nothing to write
};

// Each control's text when the window is made (its caption, or what a field
// holds until start-up replaces it) and the name a screen reader gives it.
struct ControlText
{
    Phrase text;
    Phrase accessibleName;
};

// One member per control of the control table, which maps each control to
// its member.
struct ControlTexts
{
    ControlText introduction;  // Pole(0); its text is the introduction below
    ControlText coefficientA;  // Pole(1)
    ControlText coefficientB;  // Pole(2)
    ControlText constantC;     // Pole(3)
    ControlText transcript;    // Pole(4); no text, as it shows the visit's working
    ControlText calculate;     // Buton(0)
    ControlText clear;         // Buton(1)
    ControlText randomData;    // Buton(2)
    ControlText ranges;        // Sluch
    ControlText captionA;      // Etiket(0)
    ControlText captionB;      // Etiket(1)
    ControlText captionC;      // Etiket(2)
    ControlText equals;        // Etiket(3)
    ControlText captionRandom; // Etiket(4), the range list's caption
    ControlText title;         // Label1
};

// What the program says outside its window.
struct MessageTexts
{
    Phrase noDisplay;      // velmora started with no display named
    Phrase displayFailed;  // the named display could not be reached
    Phrase pageCannotLoad; // the page's transcript, should the engine not start
    Phrase pageTitle;
    Phrase pageDescription; // for search results, shared links and home screens
    Phrase languageSwitch;  // the accessible name of the page's language switch
    Phrase pageEuclidLater; // on a phone, why Euclid's way cannot be opened yet
    Phrase pageToWorksheet; // the solver's link to the page's worksheet view
    Phrase pageToSolver;    // the worksheet view's link back to the solver
};

// The window's worksheet dialog: each control's caption, with "&" before its
// mnemonic, and the name a screen reader gives it.
struct WorksheetDialogTexts
{
    Phrase title; // the dialog's caption
    ControlText count;
    ControlText range;
    ControlText variants;
    ControlText code;
    ControlText newCode; // the button that draws another code
    ControlText language;
    ControlText unsolvable; // the share of equations without integer solutions
    ControlText zeros;
    ControlText euclid;
    ControlText paper;
    ControlText space;        // the working space under each equation, in cm
    ControlText points;       // per item
    ControlText wordProblems; // the share of the items set as word problems
    ControlText pictures;     // each solvable equation's picture in the key
    ControlText preview;
    ControlText print;
    ControlText save; // as PDF
    ControlText close;
    Phrase a4; // the papers' names in the list
    Phrase letter;
    Phrase badCode;   // {value} {largest}: a code that cannot be used
    Phrase saveTitle; // the file dialog's caption
    Phrase pdfFiles;  // the file dialog's filter
    Phrase fileName;  // {code}: the file name offered
    Phrase printFailed;
};

// The key's table of a variant: the columns' headings and the short verdicts.
struct KeyTableTexts
{
    Phrase item;
    Phrase equation;
    Phrase gcd;
    Phrase verdict;
    Phrase particular; // {pair}: (x₀; y₀)
    Phrase general;
    Phrase points;
    Phrase solvable;   // the verdict's two values
    Phrase unsolvable;
};

// The teacher's worksheet and its answer key. Each phrase is one whole line
// with named placeholders in braces, filled by the worksheet's builder.
// One kind of word problem. The text and the unknowns are whole messages;
// {a}, {b} and {c} stand for the equation's numbers alone, {aCounted},
// {bCounted} and {cCounted} for each with the noun of `unit` in the form
// its number takes.
struct WordProblemTexts
{
    Phrase text;       // the problem as set on the sheet
    Phrase unknowns;   // "Let x be the number of rabbits and y …": x goes with {a}
    PluralPhrase unit; // {count}: the noun the problem counts in
};

// The sheet's word problems and what the key says of them.
struct WordProblemsTexts
{
    WordProblemTexts coins;     // coins of two values
    WordProblemTexts notes;     // banknotes of two values
    WordProblemTexts legs;      // legs of two kinds of animals
    WordProblemTexts tickets;   // tickets at two prices
    WordProblemTexts boxes;     // boxes of two sizes
    WordProblemTexts stamps;    // stamps of two values
    WordProblemTexts transport; // buses and cars
    Phrase task;                // under the sheet's task where it has word problems
    Phrase equation;            // {equation}: the key's equation of the problem
    Phrase conditions;          // {bounds}: "x ≥ 1, y ≥ 1"
    PluralPhrase solutions;     // {count} {pairs}: every solution, ordered by x
    Phrase settings;            // {percent}: added to the key's settings
};

struct WorksheetTexts
{
    Phrase title;    // the sheet's heading and the PDF's title
    Phrase variant;  // {code}: heads a variant and its block in the key
    Phrase nameLine; // where the pupil writes name and class
    Phrase task;     // what to do with the equations
    Phrase numbered; // {number}. {equation}
    Phrase keyTitle; // heads the answer key
    // {code} {equations} {range} {variants} {unsolvable}: to make it again,
    // with the two numbers and their nouns from the plural messages below
    Phrase settings;
    PluralPhrase equations; // {count}: in each variant
    PluralPhrase variants;  // {count}
    Phrase settingsZeros;   // added to the settings when zero coefficients may appear
    Phrase euclid;          // heads Euclid's way in small print
    Phrase anyForm;         // once in the key: an equivalent general solution is right
    Phrase euclidPair;      // {pair}: Euclid's way's own (x₁; y₁) = (…)
    Phrase continued;       // {code}: a variant's heading on its next page
    PluralPhrase points;    // {count}: beside each item, "(2 points)"
    PluralPhrase total;     // {count}: a variant's points in all
    Phrase badValue;        // {option} {value} {allowed}
    Phrase unknownOption;   // {option} {allowed}
    Phrase missingOutput;   // no -o FILE.pdf given
    Phrase cannotWrite;     // {file}
    // {pair} {reduced}: Bézout's pair times C/d, then the one made smaller.
    Phrase euclidPairReduced;
    KeyTableTexts table;
    WordProblemsTexts words;
    WorksheetDialogTexts dialog;
};

// "Your answer": the pupil's own solution, checked. Every feedback line is one
// whole message; a name in braces ("{a}", "{sum}") marks where a number or an
// equation goes, and every language uses the same names in each message.
struct PracticeTexts
{
    // The controls' captions and the names a screen reader gives them.
    struct Controls
    {
        ControlText heading; // the section: the fields, the claim and the button
        ControlText x0;      // the particular solution
        ControlText y0;
        ControlText stepX;      // p in x = x0 + p*t
        ControlText stepY;      // q in y = y0 + q*t
        ControlText list;       // the solutions a task's bounds allow, while they are in effect
        ControlText noSolution; // a check box: the pupil's claim instead of a pair
        ControlText check;      // the button
        ControlText hint;       // the button that gives the next hint
        ControlText hints;      // the list of the hints given so far
        ControlText feedback;   // the live region holding the lines below
        ControlText tally;      // the round's count, as in `tally`
        ControlText clearTally; // the button that starts the count again
    } controls;

    Phrase right; // the verdict, before the lines
    Phrase wrong;
    // {right} of {total} equations right at the first try without a hint;
    // the forms follow {hints}, the hints taken in the round
    PluralPhrase tally;

    // An entry read as something other than what was typed: {field} is the
    // entry's caption above, {text} what was typed, {value} the number read.
    struct Reading
    {
        Phrase emptyPair;  // {field}: x0 or y0 left empty, and how to find it
        Phrase emptyStep;  // {field}: p or q left empty, and how to find it
        Phrase notWhole;   // {field} {text} {value}
        Phrase tooLarge;   // {field} {text}
        Phrase outOfRange; // {letter} {value} {lower} {upper}: a refused coefficient
    } reading;

    // The pair x0, y0. {check} is the arithmetic, A·x0 + B·y0 with the
    // products and the sum: "91·4 + 35·10 = 364 + 350 = 714".
    struct Particular
    {
        Phrase right;       // {check}
        Phrase wrong;       // {check} {c}
        Phrase swapped;     // x0 and y0 the wrong way round, no pair named
        Phrase signOfX;     // {equation}: the pair solves -Ax + By = C
        Phrase signOfY;     // {equation}: the pair solves Ax - By = C
        Phrase signsOfBoth; // {equation}: the pair solves -Ax - By = C
        // The working's particular solution {xo}, {yo} and its general
        // solution {general}: the pupil's pair is that at {t}. Said only of
        // an answer right in full, as it holds the steps.
        Phrase sameAsTranscript; // {xo} {yo}
        Phrase bridge;           // {xo} {yo} {general} {t}
    } particular;

    // The steps p, q, the coefficients of t: {p} {q} the pupil's, {check}
    // A·p + B·q with the products and the sum.
    struct Steps
    {
        Phrase right;    // {p} {q} {check}
        Phrase relation; // {p} {q} {check} {identity}: A·p + B·q is not 0, and why it must be
        Phrase swapped;  // the right steps, the wrong way round, none named
        Phrase multipleOfGcd; // {p} {q} {gcd}
        Phrase multiple;      // {p} {q} {factor}
        Phrase zero;          // both steps 0
        Phrase free;          // {equation}: 0x + 0y = 0, where every pair solves it
    } steps;

    // The claim "no integer solution", and a pair where none can exist.
    struct NoSolution
    {
        Phrase right;       // {a} {b} {gcd} {c}
        Phrase rightZero;   // {c}: 0x + 0y = C with C not 0
        Phrase wrong;       // {a} {b} {gcd} {c}: the GCD divides C, no pair named
        Phrase wrongZero;   // {equation}: 0x + 0y = 0, which every pair solves
        Phrase whyNone;     // {equation} {a} {b} {gcd} {c}
        Phrase whyNoneZero; // {equation} {c}
    } noSolution;

    // The hints, one at a time, each building on the last; the last of an
    // equation is its whole answer. Formulas come in the board's notation.
    struct Hints
    {
        // {a} {b} {gcd} {c} {bezout} {factor}: the GCD divides C; Bézout's
        // equality and what to multiply it by, "14/7 = 2"
        Phrase start;
        Phrase startAsItStands; // {a} {b} {gcd} {c} {bezout}: C is the GCD
        Phrase startNone;       // {a} {b} {gcd} {c}: does the GCD divide C?
        Phrase particular;      // {equality} {x0} {y0}: Bézout's equality times C/GCD
        // {general} {identity} {relation} {p} {q} {gcd}: the general solution
        // and why its steps are what they are
        Phrase general;
    } hints;

    // A list of the solutions a task's bounds allow. {pair} as (4; 7).
    struct List
    {
        Phrase unreadable;     // {text} as typed, {example}: (x; y)
        Phrase notASolution;   // {pair} {check} {c}
        Phrase outOfBounds;    // {pair} {bound}: "x ≥ 1", the first it breaks
        Phrase repeated;       // {pair}
        PluralPhrase right;    // {count}: those right and within the bounds
        PluralPhrase missing;  // {count}, none named
        PluralPhrase complete; // {count}
        Phrase noneRight;      // an empty list where no solution lies within
        Phrase endless;        // infinitely many: no list holds them
    } list;
};

// The window's menu bar and the panel beside the client area: each entry's
// caption with "&" before its mnemonic.
struct MenuTexts
{
    Phrase file;
    Phrase worksheet; // opens the worksheet dialog
    Phrase quit;
    Phrase view;
    Phrase euclidPanel; // shows or hides Euclid's way beside the window
    Phrase answerPanel; // shows or hides "Your answer"
    Phrase zoomIn;
    Phrase zoomOut;
    Phrase actualSize;
    Phrase euclidEmpty; // what the panel says before anything is calculated
};

// The picture of the line and its integer points: the text alternative's
// sentences, each mark's name, and the panel that shows it. Pairs come as
// the language's notation writes them.
struct PictureTexts
{
    Phrase title;             // {equation}
    Phrase window;            // {xMin} {xMax} {yMin} {yMax}: the grid points drawn
    PluralPhrase solutions;   // {count} {list}: the marked solutions
    Phrase particular;        // {names} {pair}: (x₀; y₀) and its numbers
    Phrase particularOutside; // {names} {pair}
    Phrase step;              // {step}: (B/d; −A/d) in numbers
    Phrase noSolution;        // {gcd} {c}
    Phrase everyPoint;        // {equation}: 0x + 0y = 0
    Phrase noPoint;           // {equation}: 0x + 0y = C with C not 0
    Phrase region;            // {region}: the bounds, as inequalities
    PluralPhrase inBounds;    // {count} {list}
    Phrase noneInBounds;
    Phrase solution;         // {pair}: a mark's name
    Phrase solutionInBounds; // {pair}
    Phrase heading;          // the panel's and the page section's
    Phrase menu;             // the View menu's entry, "&" before its mnemonic
    Phrase empty;            // the panel before anything is calculated
};

// The line beside the coefficient fields, where what they show is not what
// the working solves: a key pressed in a locked field, or a field not read as
// it was typed.
struct NoteTexts
{
    Phrase locked;
    Phrase readAs; // {values}: "A = 1, C = 0", each such field as read
};

struct Catalogue
{
    Phrase code;        // the language's code, as in LANGUAGE or <html lang>: its po file's name
    Phrase pluralForms; // the po file's Plural-Forms header, whose rule `PluralPhrase` follows
    Phrase shortName;   // in the page's language switch
    Phrase name;        // the language's own name for itself
    ControlTexts controls;
    Paragraphs introduction;
    TranscriptTexts transcript;
    MessageTexts messages;
    WorksheetTexts worksheet;
    PracticeTexts practice;
    EuclidTexts euclid;
    BoundsTexts bounds;
    CommandLineTexts commandLine;
    MenuTexts menus;
    NoteTexts notes;
    PictureTexts picture;
};
