#pragma once

// The stations command: what the two station libraries hold, without the wizard.

// Lists index, country, state and name of the stations whose name contains text
// (case-insensitive), in index order. Returns the exit code.
int ListStationsMatching(const char* text);

// Prints the twelve climate values of a station index. Returns the exit code.
int PrintStationClimate(int index);
