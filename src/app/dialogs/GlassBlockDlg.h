#pragma once

class CQuarnDoc;
class QWidget;

// The Project menu's Glass Blocks Data command (after its guard): the modal "Glass Block Walls
// Data" dialog; OK stores through the core and recalculates. True when the project changed.
bool RunGlassBlocksDialog(QWidget* parent, CQuarnDoc& doc);
