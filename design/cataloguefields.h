#pragma once

#include "catalogue.h"

#include <string>
#include <utility>

// Every phrase of a catalogue with its dotted name ("transcript.gcd.between"),
// for whatever reads catalogues as data: the page's generator and the tests.
// Each struct is taken apart with a structured binding, which must name all
// of its members or fails to compile, so a member added to catalogue.h cannot
// be left out here. The introduction's paragraphs are no phrases and are not
// visited.
template <typename Visit> void ForEachPhrase(const Catalogue &catalogue, Visit &&visit)
{
    const auto &[code, shortName, name, controls, introduction, transcript, messages, worksheet,
                 practice, euclid, commandLine, menus, notes] = catalogue;
    (void)introduction;
    visit(std::string("code"), code);
    visit(std::string("shortName"), shortName);
    visit(std::string("name"), name);

    const auto control = [&](const char *key, const ControlText &texts) {
        const auto &[text, accessibleName] = texts;
        visit(std::string("controls.") + key + ".text", text);
        visit(std::string("controls.") + key + ".accessibleName", accessibleName);
    };
    const auto &[introductionField, coefficientA, coefficientB, constantC, transcriptField,
                 calculate, clear, randomData, ranges, captionA, captionB, captionC, equals,
                 captionRandom, title] = controls;
    control("introduction", introductionField);
    control("coefficientA", coefficientA);
    control("coefficientB", coefficientB);
    control("constantC", constantC);
    control("transcript", transcriptField);
    control("calculate", calculate);
    control("clear", clear);
    control("randomData", randomData);
    control("ranges", ranges);
    control("captionA", captionA);
    control("captionB", captionB);
    control("captionC", captionC);
    control("equals", equals);
    control("captionRandom", captionRandom);
    control("title", title);

    const auto say = [&](const char *key, const Phrase &phrase) {
        visit(std::string("transcript.") + key, phrase);
    };
    const auto &[solving, xMinus, xPlus, yEquals, outOfRange, zeroEquation, zeroComplaint, gcd,
                 reducing, reducedForm, enterValues, anyX, anyY, solutionForX, verdict, pleaseWait,
                 search, found, general, check] = transcript;
    say("solving", solving);
    say("xMinus", xMinus);
    say("xPlus", xPlus);
    say("yEquals", yEquals);
    {
        const auto &[coefficient, equalsSign, outside, to, end] = outOfRange;
        say("outOfRange.coefficient", coefficient);
        say("outOfRange.equals", equalsSign);
        say("outOfRange.outside", outside);
        say("outOfRange.to", to);
        say("outOfRange.end", end);
    }
    say("zeroEquation", zeroEquation);
    say("zeroComplaint", zeroComplaint);
    {
        const auto &[coefficients, between, computed] = gcd;
        say("gcd.coefficients", coefficients);
        say("gcd.between", between);
        say("gcd.computed", computed);
    }
    say("reducing", reducing);
    say("reducedForm", reducedForm);
    say("enterValues", enterValues);
    say("anyX", anyX);
    say("anyY", anyY);
    say("solutionForX", solutionForX);
    {
        const auto &[gcdOf, between, notDivisor, divisor, noSolution, solvable] = verdict;
        say("verdict.gcdOf", gcdOf);
        say("verdict.between", between);
        say("verdict.notDivisor", notDivisor);
        say("verdict.divisor", divisor);
        say("verdict.noSolution", noSolution);
        say("verdict.solvable", solvable);
    }
    say("pleaseWait", pleaseWait);
    {
        const auto &[searching, comma, widened] = search;
        say("search.searching", searching);
        say("search.comma", comma);
        say("search.widened", widened);
    }
    {
        const auto &[xo, yo] = found;
        say("found.xo", xo);
        say("found.yo", yo);
    }
    {
        const auto &[x, minus, y, plus, times] = general;
        say("general.x", x);
        say("general.minus", minus);
        say("general.y", y);
        say("general.plus", plus);
        say("general.times", times);
    }
    {
        const auto &[checking, colon, formula, timesOpen, closePlus, closeEquals, plus,
                     equalsSign] = check;
        say("check.checking", checking);
        say("check.colon", colon);
        say("check.formula", formula);
        say("check.timesOpen", timesOpen);
        say("check.closePlus", closePlus);
        say("check.closeEquals", closeEquals);
        say("check.plus", plus);
        say("check.equals", equalsSign);
    }

    const auto &[noDisplay, displayFailed, pageCannotLoad, pageTitle, pageDescription,
                 languageSwitch] = messages;
    visit(std::string("messages.noDisplay"), noDisplay);
    visit(std::string("messages.displayFailed"), displayFailed);
    visit(std::string("messages.pageCannotLoad"), pageCannotLoad);
    visit(std::string("messages.pageTitle"), pageTitle);
    visit(std::string("messages.pageDescription"), pageDescription);
    visit(std::string("messages.languageSwitch"), languageSwitch);
    {

        const auto sheet = [&](const char *key, const Phrase &phrase) {
            visit(std::string("worksheet.") + key, phrase);
        };
        const auto &[sheetTitle, variant, nameLine, task, numbered, keyTitle, settings,
                     settingsZeros, gcdLine, divides, doesNotDivide, keyParticular, generalLine,
                     keyEuclid, badValue, unknownOption, missingOutput, cannotWrite, dialog] =
            worksheet;
        sheet("title", sheetTitle);
        sheet("variant", variant);
        sheet("nameLine", nameLine);
        sheet("task", task);
        sheet("numbered", numbered);
        sheet("keyTitle", keyTitle);
        sheet("settings", settings);
        sheet("settingsZeros", settingsZeros);
        sheet("gcd", gcdLine);
        sheet("divides", divides);
        sheet("doesNotDivide", doesNotDivide);
        sheet("particular", keyParticular);
        sheet("general", generalLine);
        sheet("euclid", keyEuclid);
        sheet("badValue", badValue);
        sheet("unknownOption", unknownOption);
        sheet("missingOutput", missingOutput);
        sheet("cannotWrite", cannotWrite);
        {
            const auto &[dialogTitle, count, range, variants, sheetCode, newCode, language,
                         unsolvable, zeros, euclid, paper, preview, print, save, close, a4, letter,
                         badCode, saveTitle, pdfFiles, fileName, printFailed] = dialog;
            sheet("dialog.title", dialogTitle);
            const std::pair<const char *, const ControlText *> fields[] = {
                {"count", &count},
                {"range", &range},
                {"variants", &variants},
                {"code", &sheetCode},
                {"newCode", &newCode},
                {"language", &language},
                {"unsolvable", &unsolvable},
                {"zeros", &zeros},
                {"euclid", &euclid},
                {"paper", &paper},
                {"preview", &preview},
                {"print", &print},
                {"save", &save},
                {"close", &close}};
            for (const auto &[key, texts] : fields) {
                sheet((std::string("dialog.") + key + ".text").c_str(), texts->text);
                sheet((std::string("dialog.") + key + ".accessibleName").c_str(),
                      texts->accessibleName);
            }
            sheet("dialog.a4", a4);
            sheet("dialog.letter", letter);
            sheet("dialog.badCode", badCode);
            sheet("dialog.saveTitle", saveTitle);
            sheet("dialog.pdfFiles", pdfFiles);
            sheet("dialog.fileName", fileName);
            sheet("dialog.printFailed", printFailed);
        }
        const auto practised = [&](const std::string &key, const Phrase &phrase) {
            visit("practice." + key, phrase);
        };
        const auto &[practiceControls, right, wrong, tally, reading, particular, steps,
                     noSolution] = practice;
        {
            const auto &[heading, x0, y0, stepX, stepY, noSolutionBox, check, feedback, tallyField,
                         clearTally] = practiceControls;
            const std::pair<const char *, const ControlText *> fields[] = {
                {"heading", &heading},
                {"x0", &x0},
                {"y0", &y0},
                {"stepX", &stepX},
                {"stepY", &stepY},
                {"noSolution", &noSolutionBox},
                {"check", &check},
                {"feedback", &feedback},
                {"tally", &tallyField},
                {"clearTally", &clearTally}};
            for (const auto &[key, texts] : fields) {
                practised(std::string("controls.") + key + ".text", texts->text);
                practised(std::string("controls.") + key + ".accessibleName",
                          texts->accessibleName);
            }
        }
        practised("right", right);
        practised("wrong", wrong);
        practised("tally", tally);
        {
            const auto &[empty, notWhole, tooLarge, outOfRange] = reading;
            practised("reading.empty", empty);
            practised("reading.notWhole", notWhole);
            practised("reading.tooLarge", tooLarge);
            practised("reading.outOfRange", outOfRange);
        }
        {
            const auto &[rightPair, wrongPair, swapped, signOfX, signOfY, signsOfBoth, same,
                         bridge] = particular;
            practised("particular.right", rightPair);
            practised("particular.wrong", wrongPair);
            practised("particular.swapped", swapped);
            practised("particular.signOfX", signOfX);
            practised("particular.signOfY", signOfY);
            practised("particular.signsOfBoth", signsOfBoth);
            practised("particular.sameAsTranscript", same);
            practised("particular.bridge", bridge);
        }
        {
            const auto &[rightSteps, relation, swapped, multipleOfGcd, multiple, zero, free] =
                steps;
            practised("steps.right", rightSteps);
            practised("steps.relation", relation);
            practised("steps.swapped", swapped);
            practised("steps.multipleOfGcd", multipleOfGcd);
            practised("steps.multiple", multiple);
            practised("steps.zero", zero);
            practised("steps.free", free);
        }
        {
            const auto &[rightClaim, rightZero, wrongClaim, whyNone, whyNoneZero] = noSolution;
            practised("noSolution.right", rightClaim);
            practised("noSolution.rightZero", rightZero);
            practised("noSolution.wrong", wrongClaim);
            practised("noSolution.whyNone", whyNone);
            practised("noSolution.whyNoneZero", whyNoneZero);
        }
    }
    {{const auto &[title, readAs, readEmpty, equation, refused, refusedCoefficient, everyPair,
                   noPair, onlyY, onlyYSolved, onlyYNone, onlyX, onlyXSolved, onlyXNone, algorithm,
                   division, gcdLine, divides, doesNotDivide, backSubstitution, backFirst, backStep,
                   backNone, bezout, signs, multiply, particular, checkLine, general, generalX,
                   generalY, anyT, bridge, bridgeCheck] = euclid;
    const auto line = [&](const char *key, const Phrase &phrase) {
        visit(std::string("euclid.") + key, phrase);
    };
    line("title", title);
    line("readAs", readAs);
    line("readEmpty", readEmpty);
    line("equation", equation);
    line("refused", refused);
    line("refusedCoefficient", refusedCoefficient);
    line("everyPair", everyPair);
    line("noPair", noPair);
    line("onlyY", onlyY);
    line("onlyYSolved", onlyYSolved);
    line("onlyYNone", onlyYNone);
    line("onlyX", onlyX);
    line("onlyXSolved", onlyXSolved);
    line("onlyXNone", onlyXNone);
    line("algorithm", algorithm);
    line("division", division);
    line("gcd", gcdLine);
    line("divides", divides);
    line("doesNotDivide", doesNotDivide);
    line("backSubstitution", backSubstitution);
    line("backFirst", backFirst);
    line("backStep", backStep);
    line("backNone", backNone);
    line("bezout", bezout);
    line("signs", signs);
    line("multiply", multiply);
    line("particular", particular);
    line("check", checkLine);
    line("general", general);
    line("generalX", generalX);
    line("generalY", generalY);
    line("anyT", anyT);
    line("bridge", bridge);
    line("bridgeCheck", bridgeCheck);
}
{
    const auto &[usage, summary, options, explain, lang, help, version, worksheetLine, reading,
                 exitStatus, unknownArgument, missingCoefficients, missingLanguage, unknownLanguage,
                 languageAlone, repeated, worksheetOnly, noValue] = commandLine;
    const auto line = [&](const char *key, const Phrase &phrase) {
        visit(std::string("commandLine.") + key, phrase);
    };
    line("usage", usage);
    line("summary", summary);
    line("options", options);
    line("explain", explain);
    line("lang", lang);
    line("help", help);
    line("version", version);
    line("worksheet", worksheetLine);
    line("reading", reading);
    line("exitStatus", exitStatus);
    line("unknownArgument", unknownArgument);
    line("missingCoefficients", missingCoefficients);
    line("missingLanguage", missingLanguage);
    line("unknownLanguage", unknownLanguage);
    line("languageAlone", languageAlone);
    line("repeated", repeated);
    line("worksheetOnly", worksheetOnly);
    line("noValue", noValue);
}
}
{
    const auto &[file, sheet, quit, view, euclidPanel, answerPanel, zoomIn, zoomOut, actualSize,
                 euclidEmpty] = menus;
    const auto entry = [&](const char *key, const Phrase &phrase) {
        visit(std::string("menus.") + key, phrase);
    };
    entry("file", file);
    entry("worksheet", sheet);
    entry("quit", quit);
    entry("view", view);
    entry("euclidPanel", euclidPanel);
    entry("answerPanel", answerPanel);
    entry("zoomIn", zoomIn);
    entry("zoomOut", zoomOut);
    entry("actualSize", actualSize);
    entry("euclidEmpty", euclidEmpty);
}
{
    const auto &[locked, readAs] = notes;
    visit(std::string("notes.locked"), locked);
    visit(std::string("notes.readAs"), readAs);
}
}
