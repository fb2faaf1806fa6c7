#include <gtest/gtest.h>

#include <string>

#include "draw/SvgCanvas.h"
#include "text/Encoding.h"

TEST(SvgCanvas, TurnsYDownwardsAndKeepsTheWholeDrawing) {
    CSvgCanvas canvas;
    canvas.SetPen({255, 0, 0, 1});
    canvas.MoveTo(10, -20);
    canvas.LineTo(300, -500);
    canvas.Rectangle(5, -5, 50, -60);
    const std::string svg = canvas.Document(100, 100);
    EXPECT_NE(svg.find(R"x(<line x1="10" y1="20" x2="300" y2="500" stroke="rgb(255,0,0)")x"),
              std::string::npos);
    EXPECT_NE(svg.find(R"x(<rect x="5" y="5" width="45" height="55" fill="none")x"),
              std::string::npos);
    EXPECT_NE(svg.find(R"x(viewBox="0 0 310 510")x"),
              std::string::npos);  // grown to what was drawn
}

TEST(SvgCanvas, TextIsEscapedAlignedAndRotated) {
    CSvgCanvas canvas;
    canvas.SetFont({18, 500, true, 900, "Arial"});
    canvas.SetTextAlign(kAlignCenter | kAlignBottom);
    canvas.TextOut(100, -40, "Floor, Ceiling & <Partitions>");
    const std::string svg = canvas.Document(200, 100);
    EXPECT_NE(svg.find("Floor, Ceiling &amp; &lt;Partitions&gt;"), std::string::npos);
    // Rotated text hangs from its reference point whatever the alignment.
    EXPECT_NE(svg.find(R"x(text-anchor="start" dominant-baseline="alphabetic")x"),
              std::string::npos);
    EXPECT_NE(svg.find(R"x(transform="rotate(-90 100 40)")x"), std::string::npos);
    EXPECT_NE(svg.find(R"x(font-family="Arial, 'Liberation Sans', sans-serif")x"),
              std::string::npos);
    EXPECT_NE(svg.find(R"x(text-decoration="underline")x"), std::string::npos);
}

TEST(SvgCanvas, EightBitProjectTextBecomesUtf8) {
    EXPECT_EQ(ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(ToUtf8("Caf\xC3\xA9"), "Caf\xC3\xA9");  // already UTF-8: unchanged
    CSvgCanvas canvas;
    canvas.TextOut(0, 0,
                   std::string("bad\x01"
                               "byte"));
    EXPECT_NE(canvas.Document(10, 10).find(">badbyte<"), std::string::npos);
}
