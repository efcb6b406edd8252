#pragma once
// The busy indicator: a circle with a red border whose fill colour changes
// while a query waits.
#include <QColor>
#include <QWidget>

namespace app {

class IndicatorShape final : public QWidget {
  public:
    explicit IndicatorShape(QWidget* parent);
    void SetFillColor(const QColor& color);
    QColor FillColor() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor fill_{192, 0, 0};
};

// A colour whose red, green and blue parts are each a whole number from 1 to 255.
QColor RandomIndicatorColor();

} // namespace app
