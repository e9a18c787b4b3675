#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <pybind11/pybind11.h>

#include "commands/selection_command.h"
#include "design/design_figures.h"
#include "design/design_warnings.h"
#include "language/language.h"
#include "presentation/figure_table.h"

// The cores a selection or a converter listed, handed to Python as light
// read-only mappings: a candidate holds its run's outcome and its place in it,
// and makes each value when it is asked for, from the outcome and the figure
// table, as json.loads reads the tool's JSON of it (json_values.h).
namespace zova::python {

struct CandidateRun {
    SelectionOutcome selection;
    std::vector<DesignFigures> figures;  // none, or one per selected core
    // Keyed as the converter's candidates (partNo, turns, figures) instead of
    // the selection's (line, partNo, coated size, turns, wire, figures).
    bool converter = false;
    DesignLimits limits;  // what the candidates' warnings are judged by
    Language language = kDefaultLanguage;  // of the call: the values' texts are said in it
};

class Candidate {
public:
    Candidate(std::shared_ptr<const CandidateRun> run, std::size_t index) : run_(std::move(run)), index_(index) {}

    // The keys in the order of the tool's JSON object.
    std::vector<std::string_view> keys() const;
    bool has(std::string_view key) const;
    // The value of a key; nothing for a key the candidate does not have.
    std::optional<pybind11::object> value(std::string_view key) const;

private:
    std::span<const std::string_view> head() const;
    bool inHead(std::string_view key) const;
    const DesignFigures* figures() const;
    // The figure of this key when the tool writes it for the candidate.
    const Figure* writtenFigure(std::string_view key) const;

    std::shared_ptr<const CandidateRun> run_;
    std::size_t index_;
};

// One candidate per core of the run, in `order` (positions in the selection).
pybind11::list CandidateList(const std::shared_ptr<const CandidateRun>& run, const std::vector<std::size_t>& order);

// Binds the class zovamagnetic.Candidate, a collections.abc.Mapping.
void BindCandidate(pybind11::module_& m);

}  // namespace zova::python
