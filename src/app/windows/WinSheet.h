#pragma once

class CQuarnDoc;
class QWidget;

// The Project menu's Glass Windows Data command: the eight orientation pages on copies of the
// document's window lists; Finish copies them back and recalculates. True when the project
// changed.
bool RunWindowsWizard(QWidget* parent, CQuarnDoc& doc);
