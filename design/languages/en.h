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
        .particular = "Particular solution: Xo = {x}; Yo = {y}",
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
            .sameAsTranscript = "This is the pair the transcript found: Xo = {xo}, Yo = {yo}.",
            .bridge = "The transcript found Xo = {xo}, Yo = {yo}, and both pairs are right: its "
                      "general solution X = {xo} - ({b} * t), Y = {yo} + ({a} * t) gives yours "
                      "at t = {t}.",
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
};
// clang-format on

} // namespace languages
