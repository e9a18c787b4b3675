#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include <pybind11/pybind11.h>

// The module's one way into the library: the command-line tool's commands, run
// in process on the texts a user would type, so that every answer, check and
// message is the tool's (and the windows') own.
namespace zova::python {

// A check of the inputs failed: what() is the windows' message (UTF-8), or the
// tool's for an unknown part number or curve.
class InputRefusedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic failure: what() is "超出计算范围，请您调整计算参数。".
class OutOfRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text a user would type for a number: the shortest decimal text that
// reads back as the same double ("10", "0.1", "1e-07").
std::string NumberText(double v);

// How a run of the tool ended, as the module reports it.
enum class AnswerEnd { Answer, NoResult };

struct ToolAnswer {
    AnswerEnd end = AnswerEnd::Answer;
    std::string out;  // the tool's standard output when end == Answer
};

// Runs the tool's command on `args` (the program name excluded) without the
// GIL. Throws InputRefusedError or OutOfRangeError for the tool's refusals and
// arithmetic failures, std::logic_error for anything else the tool rejects (a
// fault of this module, never of its caller's numbers).
ToolAnswer RunTool(const std::vector<std::string>& args);

// The tool's JSON answer as Python objects (see JsonToPython).
pybind11::object JsonAnswer(const std::vector<std::string>& args);

}  // namespace zova::python
