// Places controls by the twip positions the windows were designed in. A twip is 1/15 of a
// pixel at 96 dpi for the 8-point system font the layouts were drawn with; a larger font
// (common on Linux desktops) widens and heightens everything in proportion, so captions and
// result lines keep fitting.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace glimmbar {

class TwipsLayout {
public:
    explicit TwipsLayout(const QWidget& window) {
        const QFontMetrics metrics(window.font());
        // The 8-point system font is about 5 pixels wide on average and 13 high.
        m_x = std::max(1.0, metrics.averageCharWidth() / 5.0);
        m_y = std::max(1.0, metrics.height() / 13.0);
    }

    // Widens the layout so that `pixels` fit into a control designed `twipsWidth` wide.
    void fitWidth(int twipsWidth, int pixels) {
        m_x = std::max(m_x, (pixels + 4) * 15.0 / twipsWidth);
    }

    int x(int twips) const { return static_cast<int>(std::lround(twips / 15.0 * m_x)); }
    int y(int twips) const { return static_cast<int>(std::lround(twips / 15.0 * m_y)); }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    void place(QWidget* control, int left, int top, int width, int height) const {
        control->setGeometry(rect(left, top, width, height));
    }

private:
    double m_x = 1.0;
    double m_y = 1.0;
};

} // namespace glimmbar
