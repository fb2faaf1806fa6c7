// Project texts to and from Qt.
#include <QTest>

#include "QtText.h"

class QtTextTest : public QObject {
    Q_OBJECT

  private slots:
    void projectTextsReadAsLatin1UnlessUtf8() {
        QCOMPARE(ToQString("Z\xFCrich"), QString::fromUtf8("Z\u00fcrich"));
        QCOMPARE(ToQString("Z\xC3\xBCrich"), QString::fromUtf8("Z\u00fcrich"));
        QCOMPARE(FromQString(QString::fromUtf8("/tmp/Z\u00fcrich.Spc")),
                 std::string("/tmp/Z\xC3\xBCrich.Spc"));
    }

    void editedTextIsStoredSoItReadsBackAsTyped() {
        // Unchanged text keeps its bytes, 8-bit or UTF-8.
        QCOMPARE(ToProjectText(QString::fromUtf8("Z\u00fcrich"), "Z\xFCrich"),
                 std::string("Z\xFCrich"));
        QCOMPARE(ToProjectText(QString::fromUtf8("Z\u00fcrich"), "Z\xC3\xBCrich"),
                 std::string("Z\xC3\xBCrich"));
        // New text: 8-bit when every character fits a byte.
        QCOMPARE(ToProjectText(QString::fromUtf8("Gen\u00e8ve"), ""), std::string("Gen\xE8ve"));
        QCOMPARE(ToProjectText("plain", "old"), std::string("plain"));
        // Else UTF-8: a character beyond a byte...
        QCOMPARE(ToProjectText(QString::fromUtf8("\u0141\u00f3d\u017a"), ""),
                 std::string("\xC5\x81\xC3\xB3\x64\xC5\xBA"));
        // ...and Latin-1 bytes that would read back as other text ("Ã©" as bytes C3 A9 reads
        // as "é").
        QCOMPARE(ToProjectText(QString::fromUtf8("\u00c3\u00a9"), ""),
                 std::string("\xC3\x83\xC2\xA9"));
        // A lone surrogate is no character of either encoding; Qt's UTF-8 stands in for it.
        const QString lone = QString::fromUtf8("\u00e9") + QChar(0xD800);
        QCOMPARE(ToProjectText(lone, ""), lone.toStdString());
    }
};

QTEST_APPLESS_MAIN(QtTextTest)
#include "qt_text_test.moc"
