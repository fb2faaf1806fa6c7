#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class CGuiMessages;
class CQuarnDoc;
class QPrinter;

// What the main window asks of whoever owns the open documents (the application): the file
// commands, the documents' names and the printer. The main window knows only this, so the
// owner can create and drive it without the two depending on each other.
class IDocumentHost {
  public:
    virtual ~IDocumentHost() = default;

    // File New: a fresh project in a new project window; null when it could not be made.
    virtual CQuarnDoc* OnFileNew() = 0;
    // File Open with a dialog, and opening a named file (also from the recent list).
    virtual void OnFileOpen() = 0;
    virtual CQuarnDoc* OpenDocumentFile(const QString& path) = 0;
    // Save / Save As; false when cancelled or failed.
    virtual bool DoSave(CQuarnDoc& doc, bool saveAs) = 0;
    // Asks about unsaved changes; false when the user cancels.
    virtual bool SaveModified(CQuarnDoc& doc) = 0;
    // Closes every window of the document (after the save question).
    virtual void CloseDocument(CQuarnDoc& doc) = 0;
    // Frees a document whose last window has gone.
    virtual void ReleaseDocument(CQuarnDoc* doc) = 0;

    // The name windows show: the file's name, or "Space1", "Space2"... for a new project.
    virtual QString DocumentTitle(const CQuarnDoc& doc) const = 0;
    virtual const std::vector<CQuarnDoc*> Documents() const = 0;
    virtual QStringList RecentFiles() const = 0;
    virtual QPrinter& Printer() = 0;
    // Where messages that belong to no project go.
    virtual CGuiMessages& Messages() const = 0;
};
