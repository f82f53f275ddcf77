#pragma once
// The course most tools' work shares: the arguments read, a result computed
// from them (or from the data file they name), and the result written in the
// form the options ask for.
#include "tools/CsvOutput.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"

#include "format/TTabelaListy.h"

#include <QString>
#include <QTextStream>
#include <cstddef>

// The forms of a tool's result: one JSON text for scripts (--json), the
// window's list for a spreadsheet (--csv; only a tool whose result is such a
// list has it) and the text for a person (without either).
template <class Result> struct ResultForms {
    void (*json)(QTextStream& out, const Result& result);
    void (*text)(QTextStream& out, const Result& result);
    TTabelaListy (*csv)(const Result& result) = nullptr;
};

// Writes `result` in the form the call asks for. Returns the exit code, 0.
template <class Result>
int WriteResult(const ToolCall& call, const Result& result, const ResultForms<Result>& forms) {
    if (call.json())
        forms.json(call.out, result);
    else if (forms.csv && call.csv())
        WriteCsv(call.out, forms.csv(result));
    else
        forms.text(call.out, result);
    return 0;
}

// The whole work of a tool that calculates from its arguments alone: reads
// them through the tool's table into `input` (which holds the defaults),
// reports the first wrong one (exit 2), then calculates the result and
// writes it.
template <class Input, class Result, std::size_t N>
int RunCalculation(const ToolCall& call, const ToolArgument<Input> (&arguments)[N], Input input,
                   Result (*calculate)(const Input&), const ResultForms<Result>& forms) {
    QString error;
    if (!ReadToolArguments(call.options, arguments, input, error))
        return call.wrongArguments(error);
    return WriteResult(call, calculate(input), forms);
}
