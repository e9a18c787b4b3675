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

// {"text": ...}: the six lines of a list item's details, each ending in a carriage return.
std::string CoreDetailsJson(std::string_view listItem);

// {"text": ...}: the calculator's help text, shown before the first result (lines end in "\n\r").
std::string CalculatorHelpJson();

// {"end": "result" | "validation" | "outOfRange", "text": the result or the message}.
std::string CalculateJson(std::string_view selectedPartNo, std::string_view turnsText, std::string_view currentText,
                          std::string_view stackText);

// {"end": "found" | "validation" | "noResult" | "outOfRange", "lines": [{"text", "partNo", "turns"}],
//  "current": the run's current as typed back into a box, "stack", "message", "caption"}.
// A run that lists cores becomes the candidates' run, as in the windows.
std::string SelectJson(std::string_view currentText, std::string_view inductanceText, std::string_view stackText);

// The last run's candidates with their figures: {"end": "none" | "found" | "outOfRange", "message",
// "captions": [...], "rows": [{"line", "partNo", "turns", "fits", "cells": [...]}], "count", "current", "stack"}.
std::string CandidatesJson();

// {"order": [row positions]} of the candidates sorted by a column.
std::string CandidateOrderJson(std::size_t column, bool descending);

// {"csv": the candidates in the given order, with the byte-order mark and captions}.
std::string CandidatesCsvJson(const std::vector<std::size_t>& order);

// The design workbench for its four texts; the core text is trimmed and
// upper-cased and must name an offered core. {"end": "found" | "validation" |
// "outOfRange", "partNo", "message", "result", "warning", "figures": [{"name",
// "value"}], "inductanceChart": {"curve", "operating", "zeroBias"},
// "permeabilityChart": null or {"points", "lookedUp", "operating", "fieldFrom", "fieldTo"}}.
std::string DesignJson(std::string_view coreText, std::string_view turnsText, std::string_view currentText,
                       std::string_view stackText);

// Forgets the candidates' run (the driver's runs start from a fresh page).
void ResetRun();

}  // namespace zova::web
