#pragma once

#include <QWidget>

// The drawing beside the dimension fields: a window with its side fins and overhang in
// elevation, section and plan, each dimension arrowed and labelled with the field's short
// name (Wh, Ww, Ld, Rd, Vw, Vh, Lw, Rw). Drawn, not a picture, so it scales and stays sharp.
class CWindowSketch : public QWidget {
  public:
    explicit CWindowSketch(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
