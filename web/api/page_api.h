#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What the web page asks of the library. Each call takes the texts of the
// page's boxes as the windows take theirs and answers with one JSON document
// written by the command-line tool's writer, so the page shows the windows'
// texts byte for byte and numbers in their shortest exact form. The same
// functions run natively in the tests' driver, which holds the WebAssembly
// build to the native one.
namespace zova::web {

// {"cores": [part numbers]}: the calculator's list for a search text (trimmed here, as the window trims it).
std::string CoreListJson(std::string_view searchText);

// The design workbench's sentences, as the desktop's: {"hint", "noRun", "noFigures", "noCurve"}.
std::string WorkbenchTextsJson();

// Every design figure in reading order, for the help page's table:
// {"figures": [{"key", "name": its caption with the unit, "unit", "group": the
// group's heading, "meaning": one sentence}]}.
std::string FigureTableJson();

// {"text": ...}: the six lines of a list item's details, each ending in a carriage return.
std::string CoreDetailsJson(std::string_view listItem);

// {"text": ...}: the calculator's help text, shown before the first result (lines end in "\n\r").
std::string CalculatorHelpJson();

// Turns, current and stack are first read as typed (commands/input_rules.h);
// a refused box ends the call with {"end": "validation", "box": "turns" |
// "current" | "stack", "text": the refusal}. Otherwise the calculator runs on
// the values read: {"end": "result" | "validation" | "outOfRange", "box": "",
// "text": the result or the message}.
std::string CalculateJson(std::string_view selectedPartNo, std::string_view turnsText, std::string_view currentText,
                          std::string_view stackText);

// Current, inductance and stack are first read as typed; a refused box ends
// the call with {"end": "validation", "box": "current" | "inductance" |
// "stack", "lines": [], "message": the refusal}. Otherwise the selection runs
// on the values read: {"box": "", "end": "found" | "validation" | "noResult" |
// "outOfRange", "lines": [{"text", "partNo", "turns"}], "current": the run's
// current as typed back into a box, "stack", "message", "caption", "status": how
// the run ended, to be said once it is done}.
// A run that lists cores becomes the candidates' run, as in the windows.
std::string SelectJson(std::string_view currentText, std::string_view inductanceText, std::string_view stackText);

// The last run's candidates with their figures: {"end": "none" | "found" | "outOfRange", "message",
// "captions": [...], "rows": [{"line", "partNo", "turns", "fits", "cells": [...]}], "count", "current", "stack"}.
std::string CandidatesJson();

// {"order": [row positions]} of the candidates sorted by a column.
std::string CandidateOrderJson(std::size_t column, bool descending);

// {"csv": the candidates in the given order, with the byte-order mark and captions}.
std::string CandidatesCsvJson(const std::vector<std::size_t>& order);

// The design workbench for its seven texts, read as the desktop workbench
// reads them (DesignAsTyped); frequency, ripple and coefficients may be empty.
// {"end": "found" | "validation" | "outOfRange", "box": the refused box
// ("core" | "turns" | "current" | "stack" | "frequency" | "ripple" |
// "lossCoefficients") or "", "partNo", "message", "coefficients": the fit used as
// the box shows it, "result", "warning", "sections": [{"heading", "rows":
// [{"name", "value"}]}], "inductanceChart": null or {"curve", "operating",
// "zeroBias"}, "permeabilityChart": null or {"points", "lookedUp", "operating",
// "fieldFrom", "fieldTo"}}.
std::string DesignJson(std::string_view coreText, std::string_view turnsText, std::string_view currentText,
                       std::string_view stackText, std::string_view frequencyText = {},
                       std::string_view rippleText = {}, std::string_view coefficientsText = {});

// Forgets the candidates' run (the driver's runs start from a fresh page).
void ResetRun();

}  // namespace zova::web
