#pragma once

// The vertical scale of the hourly graph: round steps that always include zero, computed once
// for both charts from the smallest and largest value of the view.
struct GraphScale {
    double dStep = 1;
    int nP = 1;  // steps above zero
    int nN = 0;  // steps below zero
    // The printf format of the value labels, chosen by the step.
    const char* pszLabelFormat = "%.2f";
};

// Extremes that are not finite or too large to place give the scale of an all-zero graph, and
// so does a span too small for a round step (a subnormal one).
GraphScale ComputeGraphScale(double minValue, double maxValue);

// Whether a graph draws the value: finite and of a magnitude the scale can hold. Others are
// left out, and the chart's caption says how many.
bool IsPlottable(double value);

// The label format of a step: at most 0.1 three decimals, at most 1 two, at most 10 one.
const char* GraphLabelFormat(double step);
