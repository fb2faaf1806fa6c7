#include "CommandLinePrint.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "QtText.h"
#include "QuarnView.h"
#include "StartupCommand.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "views/ViewKinds.h"

namespace {
// The pane size the drawing is told; the printed layouts do not depend on it.
constexpr QSize kNoPane(100, 100);

void PrintLine(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// Why no printer was found, naming the queues there are.
QString NoPrinterMessage(const QString& printerName) {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty())
        return printerName.isEmpty() ? "No printer is installed: nothing was printed."
                                     : QString(
                                           "There is no printer \"%1\": no printer is "
                                           "installed, nothing was printed.")
                                           .arg(printerName);
    const QString known = QString(" Printers: %1.").arg(names.join(", "));
    if (printerName.isEmpty())
        return "There is no default printer: name one with /pt FILE PRINTER or --print-to "
               "PRINTER FILE." +
               known;
    return QString("There is no printer \"%1\": nothing was printed.").arg(printerName) + known;
}
}  // namespace

void CConsoleMessages::ShowMessage(const std::string& text) { PrintLine(ToQString(text)); }

void CConsoleMessages::ReportFileError(const std::string& path, const std::string& cause) {
    PrintLine(ToQString(path) + ": " + ToQString(cause));
}

int PrintProjectFile(const QString& path, const QString& printerName, IUserMessages& messages) {
    CQuarnDoc doc(messages);
    // The loader reports an unreadable file or one of a later version itself.
    if (LoadProject(doc, FromQString(QFileInfo(path).absoluteFilePath())) != LoadStatus::kLoaded)
        return StartupCommand::kPrintFailedStatus;
    doc.m_nViewKind = RestoredViewKind(doc.m_nViewKind);

    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        messages.ShowMessage(FromQString(NoPrinterMessage(printerName)));
        return StartupCommand::kPrintFailedStatus;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QFileInfo(path).fileName());
    const bool printed =
        PrintDocumentPages(doc, printer, true, 1, PrintPageCount(doc.m_nViewKind), kNoPane);
    if (!printed || printer.printerState() == QPrinter::Error) {
        messages.ShowMessage(FromQString(QString("%1 could not be printed on %2.")
                                             .arg(QFileInfo(path).fileName(), info.printerName())));
        return StartupCommand::kPrintFailedStatus;
    }
    return 0;
}
