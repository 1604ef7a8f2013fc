// Evaluation time against expression length. Each pass of the evaluator reads only the group it
// reduces, so time grows linearly: ten times the length should take about ten times as long.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "numeric/EvalExpr.h"

namespace {

using tooling::numeric::EvalExpr;

// ((((...(1+2)...)))) of about `length` characters: one pass per bracket pair.
std::string Nested(std::size_t length) {
    const std::size_t depth = (length - 3) / 2;
    return std::string(depth, '(') + "1+2" + std::string(depth, ')');
}

// "1" and then `pieces` in turn, to about `length` characters.
std::string Repeated(std::size_t length, std::initializer_list<const char*> pieces) {
    std::string text = "1";
    while (text.size() < length) {
        for (const char* piece : pieces) {
            text += piece;
        }
    }
    return text;
}

// (1+2)*(3-1)/(2+2)+... : many groups side by side, reduced from the right.
std::string Flat(std::size_t length) {
    return Repeated(length, {"+(1+2)", "*(3-1)", "/(2+2)", "-(5*1)"});
}

// 1+2-3*4/5+... without brackets: one pass over the whole text.
std::string Plain(std::size_t length) {
    return Repeated(length, {"+2", "-3", "*4", "/5"});
}

// SIN(30)+ABS(-2)*... : a function call every few characters.
std::string Functions(std::size_t length) {
    return Repeated(length, {"+SIN(30)", "*ABS(-2)", "-SQR(16)", "/COS(60)"});
}

template <std::string (*Make)(std::size_t)>
void Evaluate(benchmark::State& state) {
    const std::string text = Make(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvalExpr(text));
    }
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

#define LENGTHS Arg(1'000)->Arg(10'000)->Arg(100'000)->Complexity(benchmark::oN)
BENCHMARK(Evaluate<Nested>)->Name("EvalExpr/nested")->LENGTHS;
BENCHMARK(Evaluate<Flat>)->Name("EvalExpr/flat")->LENGTHS;
BENCHMARK(Evaluate<Plain>)->Name("EvalExpr/plain")->LENGTHS;
BENCHMARK(Evaluate<Functions>)->Name("EvalExpr/functions")->LENGTHS;

}  // namespace
