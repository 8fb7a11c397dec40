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
    const auto &[code, shortName, name, controls, introduction, transcript, messages, euclid,
                 commandLine] = catalogue;
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
        const auto &[title, readAs, readEmpty, equation, refused, refusedCoefficient, everyPair,
                     noPair, onlyY, onlyYSolved, onlyYNone, onlyX, onlyXSolved, onlyXNone,
                     algorithm, division, gcdLine, divides, doesNotDivide, backSubstitution,
                     backFirst, backStep, backNone, bezout, signs, multiply, particular, checkLine,
                     general, generalX, generalY, anyT, bridge, bridgeCheck] = euclid;
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
        const auto &[usage, summary, options, explain, lang, help, version, reading, exitStatus,
                     unknownArgument, missingCoefficients, missingLanguage, unknownLanguage,
                     languageAlone, repeated] = commandLine;
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
        line("reading", reading);
        line("exitStatus", exitStatus);
        line("unknownArgument", unknownArgument);
        line("missingCoefficients", missingCoefficients);
        line("missingLanguage", missingLanguage);
        line("unknownLanguage", unknownLanguage);
        line("languageAlone", languageAlone);
        line("repeated", repeated);
    }
}
