#pragma once

#include "catalogue.h"

// English, written for English-speaking pupils rather than word for word: the
// transcript keeps the Bulgarian lines and their numbers in order, but says
// in its own words what they mean. NOD becomes GCD, and Xо, Yо become x₀, y₀
// (in the Liberation and Times fonts both).

namespace languages {

inline constexpr std::array<std::string_view, 14> enIntroduction = {
    "An algebraic equation with integer or rational coefficients whose solutions are sought "
    "among the integers is called a Diophantine equation. Such equations (and systems of such "
    "equations) usually have more unknowns than equations. They are named after the ancient "
    "Greek mathematician Diophantus of Alexandria, whose principal work, “Arithmetica”, is full "
    "of them.",
    "Two things decide how hard a system of equations of this kind is to solve: the number of "
    "unknowns and the highest power of an unknown in the system.",
    "A linear Diophantine equation Ax + By = C has a solution in the integers if and only if the "
    "greatest common divisor of the coefficients A and B also divides C. So the program first "
    "checks whether the equation has integer solutions at all: Euclid's algorithm finds the "
    "greatest common divisor (GCD) of A and B, and the program then checks whether this GCD "
    "divides the constant term C.",
    "Example: the equation 4x + 4y = 2 has no solution in the integers, but the equation "
    "4x + 2y = 4 has.",
    "By hand, a solution is often found through some particular property of the coefficients. "
    "Here the approach is an exhaustive search: every pair x, y with |x| and |y| up to a bound is "
    "tried in turn. The first pair that satisfies the equation is the particular solution x₀, y₀, "
    "and from it the general solution is written out.",
    "The general solution of a linear Diophantine equation is given by the formulas",
    "x = x₀ - (B * t) / GCD",
    "y = y₀ + (A * t) / GCD",
    "where GCD is the greatest common divisor of A and B,",
    "and t runs over all the integers, negative ones included: every integer t gives a solution, "
    "and every solution comes from exactly one t.",
    "Velmora solves such an equation step by step and shows its working.",
    "The working gives the GCD, whether the equation can be solved in the integers, the "
    "particular solution, the general solution and a check.",
    "The input data are the three coefficients A, B and C.",
    "The program draws a random value of the parameter t from 1 to 11 and checks the general "
    "solution for that value.",
};

// clang-format off
inline constexpr Catalogue en = {
    .code = "en",
    .shortName = "EN",
    .name = "English",
    .controls = {
        .introduction = {"", "Introduction"},
        .coefficientA = {"5", "Coefficient A"},
        .coefficientB = {"3", "Coefficient B"},
        .constantC = {"3", "Constant term C"},
        .transcript = {"Particular solution:\r\nx₀ = 3\r\ny₀ = -4\r\n", "Working"},
        .calculate = {"Calculate", "Calculate"},
        .clear = {"Clear", "Clear"},
        .randomData = {"New data", "New data, random coefficients"},
        .ranges = {"", "Range of the random coefficients"},
        .captionA = {"A*x", "A*x, A times x"},
        .captionB = {"B*y", "B*y, B times y"},
        .captionC = {"C", "C, the constant term"},
        .equals = {" = ", "=, equals"},
        .captionRandom = {"Random", "Random, the range of the random coefficients"},
        .title = {"Velmora", "Velmora, linear Diophantine equations step by step"},
    },
    .introduction = enIntroduction,
    .transcript = {
        .solving = "Solving the Diophantine equation ",
        .xMinus = "x - ",
        .xPlus = "x + ",
        .yEquals = "y = ",
        .outOfRange = {
            .coefficient = "The coefficient ",
            .equals = " = ",
            .outside = " lies outside the allowed range from ",
            .to = " to ",
            .end = ".",
        },
        .zeroEquation = "The Diophantine equation ",
        .zeroComplaint = "has a zero coefficient on an unknown.",
        .gcd = {
            .coefficients = "The coefficients ",
            .between = " and ",
            .computed = " have GCD = ",
        },
        .reducing = "Dividing the coefficients of the equation by the GCD:",
        .reducedForm = "The equation takes the form: ",
        .enterValues = "Please enter non-zero coefficients A and B.",
        .anyX = "The equation holds for every x when y = ",
        .anyY = "The equation holds for every y when x = ",
        .solutionForX = "The equation holds whenever x is y times ",
        .verdict = {
            .gcdOf = "The GCD of ",
            .between = " and ",
            .notDivisor = " does not divide ",
            .divisor = " divides ",
            .noSolution = "The Diophantine equation has no solution in the integers.",
            .solvable = "The Diophantine equation has a solution in the integers.",
        },
        .pleaseWait = "Please wait while the search runs.",
        .search = {
            .searching = "Searching all pairs with |x| and |y| from ",
            .comma = " up to ",
            .widened = "No pair there satisfies the equation. Searching all pairs with |x| and |y| from ",
        },
        .found = {
            .xo = "Found the particular solution x₀ = ",
            .yo = ", y₀ = ",
        },
        .general = {
            .x = "x = x₀ - (B * t) / GCD = ",
            .minus = " - (",
            .y = "y = y₀ + (A * t) / GCD = ",
            .plus = " + (",
            .times = " * t)",
        },
        .check = {
            .checking = "Checking the solution for t = ",
            .colon = ":",
            .formula = "A*x + B*y = C",
            .timesOpen = " * (",
            .closePlus = ") + ",
            .closeEquals = ") = ",
            .plus = " + ",
            .equals = " = ",
        },
    },
    .messages = {
        .noDisplay = "no display for the window (neither DISPLAY nor WAYLAND_DISPLAY is set)",
        .displayFailed = "the window cannot be opened (the display cannot be reached or a Qt "
                         "platform plugin is missing)",
        .pageCannotLoad = "Velmora's calculation engine cannot be loaded in this browser. Open the "
                          "page in a newer browser (Chrome, Edge, Firefox or Safari) with "
                          "JavaScript enabled.",
        .pageTitle = "Velmora – linear Diophantine equations step by step",
        .pageDescription = "Velmora solves the linear Diophantine equation Ax + By = C in integers "
                           "step by step: the GCD, particular and general solutions, a check. It "
                           "works offline too.",
        .languageSwitch = "Language",
    },
    .worksheet = {
        .title = "Diophantine equations Ax + By = C",
        .variant = "Variant {code}",
        .nameLine = "Name: ______________________________   Class: __________",
        .task = "Solve the equations in integers: find the GCD, a particular and the general "
                "solution, or show that there is none.",
        .numbered = "{number}. {equation}",
        .keyTitle = "Answer key",
        .settings = "Code {code}: {count} equations in the range {range}, {variants} variants, "
                    "{unsolvable}% without integer solutions.",
        .settingsZeros = "Zero coefficients may appear.",
        .gcd = "GCD({a}, {b}) = {gcd}",
        .divides = "{gcd} divides {c}: the equation has integer solutions.",
        .doesNotDivide = "{gcd} does not divide {c}: the equation has no integer solution.",
        .particular = "Particular solution: x₀ = {x}; y₀ = {y}",
        .general = "General solution: X = {x} - ( {b} * t ); Y = {y} + ( {a} * t ) for every "
                   "integer t",
        .euclid = "Euclid's way:",
        .badValue = "{option}: \"{value}\" is not allowed; allowed: {allowed}",
        .unknownOption = "{option}: no such worksheet option; the options are: {allowed}",
        .missingOutput = "-o: the PDF file to write is missing (-o FILE.pdf)",
        .cannotWrite = "{file}: the file cannot be written",
        .dialog = {
            .title = "Worksheet",
            .count = {"&Number of equations:", "Number of equations in each variant"},
            .range = {"&Range:", "Range of the coefficients"},
            .variants = {"&Variants:", "Number of variants"},
            .code = {"&Code:", "Code of the sheet"},
            .newCode = {"New co&de", "New code"},
            .language = {"&Language of the sheet:", "Language of the sheet"},
            .unsolvable = {"&Unsolvable share:", "Share of equations without integer solutions"},
            .zeros = {"Allow &zero coefficients", "Allow zero coefficients"},
            .euclid = {"&Euclid's way in the key", "Euclid's way in the key"},
            .paper = {"&Paper:", "Paper size"},
            .preview = {"Previe&w:", "Preview of the first page"},
            .print = {"Pr&int…", "Print"},
            .save = {"&Save as PDF…", "Save as PDF"},
            .close = {"Cl&ose", "Close"},
            .a4 = "A4",
            .letter = "US Letter",
            .badCode = "The code \"{value}\" cannot be used: type a whole number from 1 to "
                       "{largest}.",
            .saveTitle = "Save the worksheet as PDF",
            .pdfFiles = "PDF documents (*.pdf)",
            .fileName = "worksheet-{code}.pdf",
            .printFailed = "The sheet cannot be printed.",
        },
    },
    .practice = {
        .controls = {
            .heading = {"Your answer", "Your answer, checked by Velmora"},
            .x0 = {"x₀", "x₀ of your particular solution"},
            .y0 = {"y₀", "y₀ of your particular solution"},
            .stepX = {"Step of x", "Step of x: p in x = x₀ + p·t"},
            .stepY = {"Step of y", "Step of y: q in y = y₀ + q·t"},
            .noSolution = {"No integer solution", "No integer solution: the equation has none"},
            .check = {"Check", "Check your answer"},
            .feedback = {"Feedback", "Feedback"},
            .tally = {"Score", "Score for this visit"},
            .clearTally = {"Start again", "Start the score again"},
        },
        .right = "Right!",
        .wrong = "Not right yet.",
        .tally = "{right} of {total} right",
        .reading = {
            .empty = "{field} is empty, so it was read as 0.",
            .notWhole = "{field}: “{text}” is not a whole number; it was read as {value}.",
            .tooLarge = "{field}: “{text}” is too large to be checked.",
            .outOfRange = "The coefficient {letter} = {value} lies outside the allowed range from "
                          "{lower} to {upper}, so the answer cannot be checked.",
        },
        .particular = {
            .right = "{a} * {x} + {b} * {y} = {c}, right.",
            .wrong = "{a} * {x} + {b} * {y} = {sum}, not {c}.",
            .swapped = "x₀ and y₀ are the wrong way round: {a} * {y} + {b} * {x} = {c}.",
            .signOfX = "Your pair solves {equation} instead: the sign of x₀ is wrong.",
            .signOfY = "Your pair solves {equation} instead: the sign of y₀ is wrong.",
            .signsOfBoth = "Your pair solves {equation} instead: the signs of both x₀ and y₀ are "
                           "wrong.",
            .sameAsTranscript = "This is the particular solution the working found: x₀ = {xo}, y₀ = {yo}.",
            .bridge = "The working found the particular solution x₀ = {xo}, y₀ = {yo}, and both "
                      "pairs are right: its general solution x = {xo} - ({b} * t), "
                      "y = {yo} + ({a} * t) gives yours at t = {t}.",
        },
        .steps = {
            .right = "Steps {p} and {q}, right: {product} = 0, and they are as small "
                     "as they can be.",
            .relation = "Steps {p} and {q}: {product} = {sum}, not 0; the steps must "
                        "satisfy A * p + B * q = 0.",
            .swapped = "The steps of x and y are the wrong way round: the step of x is {q}, the "
                       "step of y is {p}.",
            .multipleOfGcd = "Steps {p} and {q} give solutions but miss some: divide them by the "
                             "GCD, {gcd}, to get {stepX} and {stepY}.",
            .multiple = "Steps {p} and {q} give solutions but miss some: divide them by {factor} "
                        "to get {stepX} and {stepY}.",
            .zero = "With steps 0 and 0, t changes nothing and only one solution is found: the "
                    "steps are {stepX} and {stepY}, or both with the opposite sign.",
            .free = "Every pair of whole numbers solves {equation}: x and y are both free, so no "
                    "steps are needed.",
        },
        .noSolution = {
            .right = "Right, there is no integer solution: the GCD of {a} and {b} is {gcd}, which "
                     "does not divide {c}.",
            .rightZero = "Right, there is no integer solution: 0 * x + 0 * y is 0 for every pair, "
                         "never {c}.",
            .wrong = "There is an integer solution, for example x = {x}, y = {y}: {product} = "
                     "{c}.",
            .whyNone = "No pair of whole numbers solves {equation}: the GCD of {a} and {b} is "
                       "{gcd}, so the left side is always a multiple of {gcd}, and {gcd} does not "
                       "divide {c}.",
            .whyNoneZero = "No pair of whole numbers solves {equation}: 0 * x + 0 * y is 0 for "
                           "every pair, never {c}.",
        },
    },
    .euclid = {
        .title = "Euclid's way",
        .readAs = "Field {field} holds “{text}”, which is not a plain whole number: it is read "
                  "as {value}.",
        .readEmpty = "Field {field} is empty: it is read as 0.",
        .equation = "The equation to solve in integers: {equation}",
        .refused = "The equation is not solved: {reasons}.",
        .refusedCoefficient = "{letter} = {value} lies outside the allowed range from {lower} to "
                              "{upper}",
        .everyPair = "With A = 0, B = 0 and C = 0, the equation 0x + 0y = 0 holds for every pair "
                     "of integers x, y.",
        .noPair = "With A = 0 and B = 0 the left-hand side is 0 for every x and y, never {c}: no "
                  "pair of integers is a solution.",
        .onlyY = "With A = 0 the equation reads {bTerm} * y = {c}, whatever x is.",
        .onlyYSolved = "{b} divides {c}, so y = {cTerm} / {bTerm} = {y}, and x can be any integer.",
        .onlyYNone = "{b} does not divide {c}, so no integer y makes {bTerm} * y = {c}: the "
                     "equation has no integer solution.",
        .onlyX = "With B = 0 the equation reads {aTerm} * x = {c}, whatever y is.",
        .onlyXSolved = "{a} divides {c}, so x = {cTerm} / {aTerm} = {x}, and y can be any integer.",
        .onlyXNone = "{a} does not divide {c}, so no integer x makes {aTerm} * x = {c}: the "
                     "equation has no integer solution.",
        .algorithm = "Euclid's algorithm for |A| = {a} and |B| = {b}, one division per line:",
        .division = "{dividend} = {quotient} * {divisor} + {remainder}",
        .gcd = "The last non-zero remainder is the GCD: GCD({a}, {b}) = {gcd}.",
        .divides = "{gcd} divides {c}, since {c} = {quotient} * {gcd}, so the equation has integer "
                   "solutions.",
        .doesNotDivide = "{gcd} does not divide {c}. For all integers x and y, A * x + B * y is a "
                         "multiple of {gcd}, and {c} is not, so the equation has no integer "
                         "solution.",
        .backSubstitution = "Back-substitution, from the last division up:",
        .backFirst = "{gcd} = {dividend} - {quotient} * {divisor}",
        .backStep = "{gcd} = {divisorFactor} * {divisor} + {remainderFactor} * ({dividend} - "
                    "{quotient} * {divisor}) = {dividendFactor} * {dividend} + {newDivisorFactor} "
                    "* {divisor}",
        .backNone = "The first division leaves no remainder, so {gcd} = 0 * {dividend} + 1 * "
                    "{divisor}.",
        .bezout = "Bézout's identity for |A| and |B|: {gcd} = {u} * {a} + {v} * {b}",
        .signs = "With the signs of A = {a} and B = {b}: {gcd} = {u} * {aTerm} + {v} * {bTerm}",
        .multiply = "Multiplying by C / GCD = {cTerm} / {gcd} = {factor}: {c} = {x1} * {aTerm} + "
                    "{y1} * {bTerm}",
        .particular = "A particular solution: x₁ = {x1}, y₁ = {y1}",
        .check = "Check: A * x₁ + B * y₁ = {aTerm} * {x1} + {bTerm} * {y1} = {ax} + {by} = {c}",
        .general = "The general solution, with B / GCD = {bOverGcd} and A / GCD = {aOverGcd}:",
        .generalX = "x = {x1} + {bOverGcd} * t",
        .generalY = "y = {y1} - {aOverGcd} * t",
        .anyT = "where t is any integer, negative ones too: …, -2, -1, 0, 1, 2, …",
        .bridge = "The working's search found x₀ = {xo}, y₀ = {yo}: the same family at t = {k}.",
        .bridgeCheck = "x = {x1} + {bOverGcd} * {k} = {xo} and y = {y1} - {aOverGcd} * {k} = {yo}, "
                       "so both answers are right.",
    },
    .commandLine = {
        .usage = "Usage: {program} [OPTION]...",
        .summary = "Solves the linear Diophantine equation Ax + By = C step by step. Without "
                   "options it opens its window.",
        .options = "Options:",
        .explain = "print the working and Euclid's way for Ax + By = C as text, without a "
                   "window",
        .lang = "the language of --explain, --worksheet, --help and the messages (by default "
                "the desktop's language, as for the window)",
        .help = "print this help and exit",
        .version = "print the version and exit",
        .worksheet = "write a worksheet with its answer key as a PDF file, without a window; "
                     "--count {count} equations ({countDefault}), --range {range} "
                     "({rangeDefault}), --variants {variants} ({variantsDefault}), --code {code} "
                     "(drawn and printed when left out), --lang, --unsolvable {unsolvable} per cent "
                     "without integer solutions ({unsolvableDefault}), --zeros (zero coefficients "
                     "may appear), --euclid (Euclid's way in the key), --paper {paper} "
                     "({paperDefault})",
        .reading = "A, B and C are read as the window reads its fields, negative numbers too: "
                   "velmora --explain 91 -35 14",
        .exitStatus = "Exit status: 0 on success, 1 when the window cannot be opened, 2 for bad "
                      "arguments.",
        .unknownArgument = "unknown argument “{argument}” (velmora --help lists the options)",
        .missingCoefficients = "--explain needs three coefficients: A, B and C",
        .missingLanguage = "--lang needs a language: {languages}",
        .unknownLanguage = "unknown language “{language}”; the languages are {languages}",
        .languageAlone = "--lang goes with --explain, --worksheet or --help",
        .repeated = "{argument} is given more than once",
        .worksheetOnly = "{option} goes with --worksheet",
        .noValue = "{option} takes no value",
    },
    .menus = {
        .file = "&File",
        .worksheet = "&Worksheet…",
        .quit = "&Quit",
        .view = "&View",
        .euclidPanel = "&Euclid's way",
        .answerPanel = "Your &answer",
        .zoomIn = "Zoom &in",
        .zoomOut = "Zoom &out",
        .actualSize = "Actual si&ze",
        .euclidEmpty = "Press Calculate, and Euclid's way for the equation appears here.",
    },
    .notes = {
        .locked = "Press Clear to change the equation",
        .readAs = "Read as {values}",
    },
};
// clang-format on

} // namespace languages
