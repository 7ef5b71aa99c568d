// Places controls by the twip positions the windows were designed in. A twip is 1/15 of a
// pixel at 96 dpi for the 8-point system font the layouts were drawn with; a larger font
// (common on Linux desktops) widens and heightens everything in proportion, so captions and
// result lines keep fitting.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace glimmbar {

class TwipsLayout {
public:
    explicit TwipsLayout(const QWidget& window) {
        const QFontMetrics metrics(window.font());
        // The 8-point system font is about 5 pixels wide on average and 13 high. Some fonts
        // (DejaVu Sans, common on Linux) claim a far wider average than their text takes, so
        // the width grows no faster than the height; captions that need more widen it (add).
        m_y = std::max(1.0, metrics.height() / 13.0);
        m_x = std::max(1.0, std::min(metrics.averageCharWidth() / 5.0, m_y));
    }

    // Widens the layout so that `pixels` fit into a control designed `twipsWidth` wide.
    void fitWidth(int twipsWidth, int pixels) {
        m_x = std::max(m_x, (pixels + 4) * 15.0 / twipsWidth);
    }
    // Heightens the layout so that `pixels` fit into a control designed `twipsHeight` high.
    void fitHeight(int twipsHeight, int pixels) {
        m_y = std::max(m_y, (pixels + 2) * 15.0 / twipsHeight);
    }

    // How much wider and taller than designed everything is; fonts set in points grow with the
    // height.
    double widthScale() const { return m_x; }
    double heightScale() const { return m_y; }

    int x(int twips) const { return static_cast<int>(std::lround(twips / 15.0 * m_x)); }
    int y(int twips) const { return static_cast<int>(std::lround(twips / 15.0 * m_y)); }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    void place(QWidget* control, int left, int top, int width, int height) const {
        control->setGeometry(rect(left, top, width, height));
    }

    // Two steps for a whole window: add() every control with its designed place, which widens
    // the layout until the control's caption fits; then arrange() puts them all there.
    void add(QWidget* control, int left, int top, int width, int height) {
        fitWidth(width, captionWidth(*control));
        fitHeight(height, captionHeight(*control));
        m_planned.append({control, QRect(left, top, width, height)});
    }
    void arrange() const {
        for (const Planned& planned : m_planned) {
            planned.widget->setGeometry(rect(planned.twips.x(), planned.twips.y(),
                                             planned.twips.width(), planned.twips.height()));
        }
    }

    // The pixels a control's caption needs, with the room its style puts around it; 0 for a
    // control without one.
    static int captionWidth(const QWidget& control) {
        const QStyle* style = control.style();
        int room = 0;
        QString caption;
        if (const auto* label = qobject_cast<const QLabel*>(&control)) {
            if (label->textFormat() == Qt::RichText) {
                return 0; // rich text is laid out to the control, not the other way round
            }
            caption = label->text();
            room = 2 * label->frameWidth() + label->contentsMargins().left() +
                   label->contentsMargins().right() + std::max(0, label->margin()) * 2;
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
            caption = withoutAccessKeys(button->text());
            if (qobject_cast<const QCheckBox*>(button) != nullptr) {
                room = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
            } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
                room = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
            } else {
                room = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            }
        }
        if (caption.isEmpty()) {
            return 0;
        }
        int widest = 0;
        for (const QString& line : caption.split(QLatin1Char('\n'))) {
            widest = std::max(widest, control.fontMetrics().horizontalAdvance(line));
        }
        return widest + room;
    }

    // The pixels a label's lines need from top to bottom (fonts differ in the room they leave
    // between lines); 0 for other controls, whose one line grows with the font's height.
    static int captionHeight(const QWidget& control) {
        const auto* label = qobject_cast<const QLabel*>(&control);
        if (label == nullptr || label->wordWrap() || label->textFormat() == Qt::RichText ||
            label->text().isEmpty()) {
            return 0;
        }
        return label->sizeHint().height();
    }

    // A caption as shown: "&x" underlines x, "&&" shows one ampersand.
    static QString withoutAccessKeys(const QString& caption) {
        QString shown;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
                ++i;
            }
            shown += caption[i];
        }
        return shown;
    }

private:
    struct Planned {
        QWidget* widget;
        QRect twips;
    };

    double m_x = 1.0;
    double m_y = 1.0;
    QList<Planned> m_planned;
};

} // namespace glimmbar
