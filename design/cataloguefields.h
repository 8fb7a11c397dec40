#pragma once

#include "catalogue.h"

#include <string>

// Every phrase of a catalogue with its dotted name ("transcript.gcd.between"),
// for whatever reads catalogues as data: the page's generator and the tests.
// Each struct is taken apart with a structured binding, which must name all
// of its members or fails to compile, so a member added to catalogue.h cannot
// be left out here. The introduction's paragraphs are no phrases and are not
// visited.
template <typename Visit> void ForEachPhrase(const Catalogue &catalogue, Visit &&visit)
{
    const auto &[code, shortName, name, controls, introduction, transcript, messages, worksheet] =
        catalogue;
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

    const auto sheet = [&](const char *key, const Phrase &phrase) {
        visit(std::string("worksheet.") + key, phrase);
    };
    const auto &[sheetTitle, variant, nameLine, task, numbered, keyTitle, settings, settingsZeros,
                 gcdLine, divides, doesNotDivide, particular, generalLine, euclid, badValue,
                 unknownOption, missingOutput, cannotWrite] = worksheet;
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
    sheet("particular", particular);
    sheet("general", generalLine);
    sheet("euclid", euclid);
    sheet("badValue", badValue);
    sheet("unknownOption", unknownOption);
    sheet("missingOutput", missingOutput);
    sheet("cannotWrite", cannotWrite);
}
