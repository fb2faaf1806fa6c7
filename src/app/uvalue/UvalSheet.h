#pragma once

class CQuarnDoc;
class QWidget;

// The U-value calculator for a document: runs the eight-page wizard and returns the U-value in
// the document's input unit system (shown in the result dialog and kept in m_dLastUValue), or
// 0.0 when the user cancels or nothing adds resistance.
double CalcUValue(QWidget* parent, CQuarnDoc& doc);
