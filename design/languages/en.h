#pragma once

#include "catalogue.h"

// English. The transcript keeps the Bulgarian lines' pieces, order and
// numbers; NOD becomes GCD, and Xo and Yo are written with a Latin o.

namespace languages {

inline constexpr std::array<std::string_view, 14> enIntroduction = {
    "An algebraic equation with integer or rational coefficients whose solutions are sought "
    "mainly among the integers is called a Diophantine equation. What sets such equations (and "
    "systems of such equations) apart is that they have more unknowns than equations. They are "
    "named in honour of the ancient Greek mathematician Diophantus of Alexandria. Such equations "
    "appear in his principal work, “Arithmetica”.",
    "Two factors decide how hard a system of equations of this kind is to solve: the number of "
    "unknowns and the highest power of an unknown in the system.",
    "A linear Diophantine equation of the form Ax + By = C has a solution in the integers if the "
    "greatest common divisor of the coefficients of the unknowns (A, B) also divides C. So the "
    "program first checks whether the equation can have integer roots – Euclid's algorithm finds "
    "the greatest common divisor (GCD) of the coefficients of the two unknowns, and then the "
    "program checks whether this GCD also divides the constant term.",
    "Example: the Diophantine equation 4x + 4y = 2 has no solution in the integers, but the "
    "equation 4x + 2y = 4 has one.",
    "When such an equation is solved by hand, the roots may be found through some particular "
    "property of the values of the coefficients. Here the approach is an exhaustive search – "
    "every possible pair of roots in a given interval of numbers is tried. Once one of the "
    "solutions has been found, the general solution of the equation is written out as well.",
    "The general solution of a linear Diophantine equation can be written with the formulas:",
    "X = Xo - (B * t) / GCD",
    "Y = Yo + (A * t) / GCD",
    "where GCD is the greatest common divisor of A and B,",
    "and t can take the integer values 0, 1, 2, 3...",
    "The task: build a project that shows links between Mathematics and Computer Science.",
    "Project topic: Velmora.",
    "The input data are the values of the two coefficients.",
    "The project generates a random value of the parameter t [1..11] and writes out the solution "
    "of the linear Diophantine equation for that value.",
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
        .transcript = {"The equation has roots:\r\nX = 3\r\nY = -4\r\n", "Steps of the solution"},
        .calculate = {"Calculate", "Calculate"},
        .clear = {"Clear", "Clear"},
        .randomData = {"New data", "New random data"},
        .ranges = {"", "Range of the random coefficients"},
        .captionA = {"A*x", "Caption A times x"},
        .captionB = {"B*y", "Caption B times y"},
        .captionC = {"C", "Caption C"},
        .equals = {" = ", "Equals sign"},
        .captionRandom = {"Random", "Caption Random"},
        .title = {"Velmora", "Title Velmora"},
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
            .end = "!",
        },
        .zeroEquation = "The Diophantine equation ",
        .zeroComplaint = "has incorrectly entered coefficients!",
        .gcd = {
            .coefficients = "The coefficients ",
            .between = " and ",
            .computed = " have GCD = ",
        },
        .reducing = "Dividing the coefficients of the equation by the GCD:",
        .reducedForm = "The equation takes the form: ",
        .enterValues = "Please enter values for the coefficients!",
        .anyX = "The equation has a solution for every x.   y = ",
        .anyY = "The equation has a solution for every y.   x = ",
        .solutionForX = "The equation has a solution for x = ",
        .verdict = {
            .gcdOf = "The computed GCD of ",
            .between = " and ",
            .notDivisor = " does not divide ",
            .divisor = " divides ",
            .noSolution = "The Diophantine equation has NO solution in the integers!",
            .solvable = "The Diophantine equation has a solution in the integers.",
        },
        .pleaseWait = "Please wait while the data are processed!",
        .search = {
            .searching = "Searching the interval ",
            .comma = ", ",
            .widened = "There is no solution in this interval. Searching the interval ",
        },
        .found = {
            .xo = "Solution found: Xo = ",
            .yo = "; Yo = ",
        },
        .general = {
            .x = "X = Xo - (B*t)/GCD = ",
            .minus = " - ( ",
            .y = "Y = Yo + (A * t) / GCD = ",
            .plus = " + ( ",
            .times = " * t )",
        },
        .check = {
            .checking = "Checking the solution for t = ",
            .colon = ": ",
            .formula = "A*X + B*Y = C;  ",
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
        .pageTitle = "https://velmora.example Velmora",
        .pageDescription = "Velmora solves the linear Diophantine equation Ax + By = C in integers "
                           "step by step: the GCD, particular and general solutions, a check. It "
                           "works offline too.",
        .languageSwitch = "Language",
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
        .bridge = "The transcript's search found Xo = {xo}, Yo = {yo}: the same family at t = {k}.",
        .bridgeCheck = "x = {x1} + {bOverGcd} * {k} = {xo} and y = {y1} - {aOverGcd} * {k} = {yo}, "
                       "so both answers are right.",
    },
    .commandLine = {
        .usage = "Usage: {program} [OPTION]...",
        .summary = "Solves the linear Diophantine equation Ax + By = C step by step. Without "
                   "options it opens its window.",
        .options = "Options:",
        .explain = "print the transcript and Euclid's way for Ax + By = C as text, without a "
                   "window",
        .lang = "the language of --explain and --help (by default the desktop's language, as for "
                "the window)",
        .help = "print this help and exit",
        .version = "print the version and exit",
        .reading = "A, B and C are read as the window reads its fields, negative numbers too: "
                   "velmora --explain 91 -35 14",
        .exitStatus = "Exit status: 0 on success, 1 when the window cannot be opened, 2 for bad "
                      "arguments.",
        .unknownArgument = "unknown argument “{argument}” (velmora --help lists the options)",
        .missingCoefficients = "--explain needs three coefficients: A, B and C",
        .missingLanguage = "--lang needs a language: {languages}",
        .unknownLanguage = "unknown language “{language}”; the languages are {languages}",
        .languageAlone = "--lang goes with --explain or --help",
        .repeated = "{argument} is given more than once",
    },
};
// clang-format on

} // namespace languages
