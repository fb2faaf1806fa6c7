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

GraphScale ComputeGraphScale(double minValue, double maxValue);

// The label format of a step: at most 0.1 three decimals, at most 1 two, at most 10 one.
const char* GraphLabelFormat(double step);
