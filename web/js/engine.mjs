// The library compiled to WebAssembly (zova.mjs + zova.wasm). Every call of the
// module answers with a JSON document; these wrappers read it.

export function engineOf(module) {
  const read = (json) => JSON.parse(json);
  return {
    // Everything said from now on in this language ("zh", "en"): {known, language}.
    setLanguage: (code) => read(module.setLanguage(code)),
    coreList: (search) => read(module.coreList(search)).cores,
    coreDetails: (item) => read(module.coreDetails(item)).text,
    calculatorHelp: () => read(module.calculatorHelp()).text,
    workbenchTexts: () => read(module.workbenchTexts()),
    figureTable: () => read(module.figureTable()).figures,
    calculate: (partNo, turns, current, stack) => read(module.calculate(partNo, turns, current, stack)),
    select: (current, inductance, stack) => read(module.select(current, inductance, stack)),
    // The same run said again (in another language), its run not taken again.
    repeatSelect: (current, inductance, stack) => read(module.repeatSelect(current, inductance, stack)),
    // The design workbench: every call answers what its tab shows (the session).
    session: () => read(module.session()),
    type: (key, text) => read(module.type(key, text)),
    runConverter: () => read(module.runConverter()),
    loadCandidate: (line) => read(module.loadCandidate(line)),
    candidates: () => read(module.candidates()),
    candidateOrder: (column, descending) => read(module.candidateOrder(column, descending)).order,
    candidatesCsv: () => read(module.candidatesCsv()).csv,
    saveDesign: () => read(module.saveDesign()),
    saved: (name) => read(module.saved(name)),
    openDesign: (bytes, name) => read(module.openDesign(bytes, name)),
    reportHtml: (date, charts) => read(module.reportHtml(date, charts)).html,
    hideWarned: (hide) => read(module.hideWarned(hide)),
    spice: (dialect, withLosses) => read(module.spice(dialect, withLosses)),
  };
}

// The windows' multi-line texts break lines with a carriage return (after a
// line feed in the calculator's help).
export function linesOf(text) {
  return text.split(/\n?\r/);
}
