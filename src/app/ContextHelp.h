#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QWidget;

// What F1 and Shift+F1 show: the help section of each wizard page and view kind, and the
// one-line what's-this texts of the input dialogs' fields.

// The help section of a page (1-based) of each wizard; a page out of range gets the page's
// topic without a section.
QString GeneralDataPageTopic(int page);
QString WindowsPageTopic(int page);
QString UValuePageTopic(int page);
// The section of the help on views that explains what a view kind shows.
QString ViewKindTopic(int kind);
// The section on the block load, which F1 shows from a block window.
QString BlockLoadTopic();
// Every topic the functions above can return, for checking the help pages against.
QStringList ContextHelpTopics();

// A field group's what's-this text, found by the widget's object name: the part before any
// ":" or "[" and trailing digits ("m_nGlassType:3", "m_nOccupants[2]" and "area5" are
// "m_nGlassType", "m_nOccupants" and "area").
struct WhatsThisText {
    const char* key;
    const char* text;
};
QString WhatsThisKey(const QString& objectName);

// The texts of each input dialog, one table per dialog.
std::span<const WhatsThisText> GeneralDataWhatsThis();
std::span<const WhatsThisText> WindowsWhatsThis();
std::span<const WhatsThisText> UValueWhatsThis();
std::span<const WhatsThisText> WallsRoofWhatsThis();
std::span<const WhatsThisText> FloorCeilingWhatsThis();
std::span<const WhatsThisText> GlassBlocksWhatsThis();
std::span<const WhatsThisText> OptionsWhatsThis();

// Gives every widget under `root` whose name has a text in `table` that text. Returns the keys
// of the table that no widget had.
QStringList ApplyWhatsThis(QWidget* root, std::span<const WhatsThisText> table);
