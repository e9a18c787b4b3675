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

// The texts of the library's catalogue whose keys start with `area` and a
// point ("page" for the page's own; "" for every one): {"languages": [the
// codes, the default first], "phrases": {key: {code: text}}}. The web build
// writes the page's into the page (js/texts.mjs).
std::string CatalogueJson(std::string_view area);

// Says every text from now on in the language of this code ("zh" or "en");
// a code that names none leaves the language as it is. Answers {"known": whether
// it named one, "language": the code of the language now said}.
std::string SetLanguageJson(std::string_view code);

// {"cores": [part numbers]}: the calculator's list for a search text (trimmed here, as the window trims it).
std::string CoreListJson(std::string_view searchText);

// What the page shows of the workbench besides the session: {"hint": the
// sentence before anything is typed, "inductanceChart" and "permeabilityChart":
// {"xAxis", "yAxis", "curve", "reference", "operating", "band", "name"},
// "fileMaxBytes": the largest design file read}.
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
// "outOfRange", "lines": [{"text", "partNo", "turns"}], "message", "caption",
// "status": how the run ended, to be said once it is done}.
// A run that lists cores goes to the workbench, its first line loaded.
std::string SelectJson(std::string_view currentText, std::string_view inductanceText, std::string_view stackText);

// SelectJson's answer for the same texts, said again in the current language,
// without handing its run to the workbench: the page re-says a run it shows
// when the language changes.
std::string RepeatSelectJson(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText);

// The design workbench (one WorkbenchSession for the page), everything its tab shows:
// {"boxes": {box key: text}, "title", "unsaved", "hasDesign",
//  "design": {"end": "found" | "validation" | "outOfRange", "refused": box key or "",
//    "message", "warning", "coefficients", "sections": [{"heading", "rows": [{"name", "value"}]}],
//    "inductanceChart": null or {"curve", "operating", "zeroBias", "rippleBand": null or [from, to],
//      "currentAxis", "inductanceAxis"},
//    "permeabilityChart": null or {"points" (those on the axis), "lookedUp", "operating", "fieldFrom",
//      "fieldTo", "fieldTicks", "percentAxis"},
//    "noChart", "chartTitle"},
//  "converter": {"refused": box key or "", "failed", "text", "stale"},
//  "candidates": {"run": which run (a new number for each), "status", "total", "converterRun",
//    "chosen": the line loaded last, or -1},
//  "fileNames": {"design", "report", "inductanceChart", "permeabilityChart", "candidates"}}.
// An axis is {"top", "step", "ticks": [[value, label]]}; points are [x, y].
std::string SessionJson();

// A person's typing into the box named by its key; answers SessionJson().
std::string TypeJson(std::string_view key, std::string_view text);

// Runs the converter on its boxes (its candidates ranked by total loss, the
// first loaded); answers SessionJson().
std::string RunConverterJson();

// Loads the run's line `line` (a row of the candidates); answers SessionJson().
std::string LoadCandidateJson(std::size_t line);

// The run's candidates with their figures, every row computed: {"end": "none" |
// "found" | "outOfRange", "status", "captions": [...], "rows": [{"line", "partNo",
// "turns", "fits", "cells": [...]}], "order": row positions as shown, "sort":
// {"column", "descending"}}.
std::string CandidatesJson();

// {"order": [row positions]} of the candidates sorted by a column.
std::string CandidateOrderJson(std::size_t column, bool descending);

// {"csv": the candidates as shown, with the byte-order mark and captions}.
std::string CandidatesCsvJson();

// The design on screen as a file: {"text", "message": why it cannot be saved
// or "", "name": the name offered, without extension}.
std::string SaveDesignJson();

// The design was written under `name`; answers SessionJson().
std::string SavedJson(std::string_view name);

// A file's bytes opened into every box: {"opened", "message": why not, or the
// figures computed otherwise now ("" for none), "session": SessionJson()}.
std::string OpenDesignJson(std::string_view bytes, std::string_view name);

// The design's report as an HTML document, `chartsHtml` in its charts' place:
// {"html": "" without a design}.
std::string ReportHtmlJson(std::string_view date, std::string_view chartsHtml);

// The candidates with or without those that raise a warning: SessionJson().
std::string HideWarnedJson(bool hide);

// {"name": the file name offered, with its extension, "text", "message": why
// not}: the circuit-simulator model of the design shown, for "ngspice" or
// "ltspice", with or without the losses at its operating point.
std::string SpiceJson(std::string_view dialect, bool withLosses);

// Starts the workbench afresh (the driver's runs start from a fresh page).
void ResetSession();

}  // namespace zova::web
