// A pet name box: the name as the player types it, a strip under it that shows the name as the
// game will colour it, and editing that treats each colour code as one piece, so no key leaves
// half a code in the name.
#pragma once

#include <QString>
#include <QWidget>

class QFont;
class QLabel;
class QLineEdit;

namespace glimmbar {

class ColourNameBox : public QWidget {
    Q_OBJECT

public:
    // `boxName` is the objectName of the text box itself; `caption` names it for a screen
    // reader.
    ColourNameBox(const QString& boxName, const QString& caption, const QFont& font,
                  QWidget* parent = nullptr);
    ~ColourNameBox() override;

    QString text() const;
    // A name as loaded, kept exactly, half codes included.
    void setText(const QString& name);
    // Appends the code of colour `number` at the end, whatever the caret, and leaves the
    // focus and the caret after it.
    void appendColour(int number);
    QLineEdit* box() const { return m_box; }

signals:
    // The keyboard focus left the box: the colour buttons write here next.
    void left();

private:
    void showPreview();

    QLineEdit* m_box = nullptr;
    QLabel* m_preview = nullptr;
};

} // namespace glimmbar
