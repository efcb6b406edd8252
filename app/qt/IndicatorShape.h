#pragma once
// The busy indicator: a circle with a red border whose fill colour changes
// while a query waits.
#include "app/WindowParts.h"

#include <QColor>
#include <QWidget>

namespace app::qt {

class IndicatorShape final : public QWidget, public Indicator {
  public:
    explicit IndicatorShape(QWidget* parent);
    void SetVisible(bool visible) override { setVisible(visible); }
    void SetFillColor(IndicatorColor color) override;
    QColor FillColor() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor fill_{192, 0, 0};
};

} // namespace app::qt
