#include "ui/ColourNameBox.h"

#include "model/ColourCodes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

#include <functional>
#include <limits>

namespace glimmbar {

namespace {

// The preview reads like a line of the game's chat: light text on a dark strip. Colours too dark
// to read there (Black, Dark Blue) get a light backing.
const QColor kChatBackground(0x1e, 0x1e, 0x1e);
const QColor kChatText(0xe0, 0xe0, 0xe0);
const QColor kDarkColourBacking(0xc0, 0xc0, 0xc0);

QColor previewColour(int number) {
    const GameColour* colour = findGameColour(number);
    return colour != nullptr ? QColor::fromRgb(colour->rgb) : kChatText;
}

QString previewHtml(const QString& name) {
    QString html;
    for (const ColourRun& run : colourRuns(name)) {
        const QColor colour = previewColour(run.colour);
        QString style = QStringLiteral("color:%1;").arg(colour.name());
        if (colour.lightnessF() < 0.3) {
            style += QStringLiteral("background-color:%1;").arg(kDarkColourBacking.name());
        }
        html += QStringLiteral("<span style=\"%1\">%2</span>")
                    .arg(style, run.text.toHtmlEscaped().replace(QLatin1Char(' '),
                                                                 QStringLiteral("&nbsp;")));
    }
    return html;
}

// The last resort behind the editing rules below: an edit that would leave more half codes than
// the name had (a drop between a code's two characters, pasted text with a lone code character)
// is undone as if it had not happened.
class WholeCodesOnly : public QValidator {
public:
    using QValidator::QValidator;
    QString accepted;

    State validate(QString& input, int& /*position*/) const override {
        return halfCodeCharacters(input) > halfCodeCharacters(accepted) ? Invalid : Acceptable;
    }
};

// The text box. The caret never rests inside a code and a selection always takes in whole
// codes, so typing, pasting and cutting meet codes only whole; the keys that delete without a
// selection take a whole code at a time.
class NameEdit : public QLineEdit {
public:
    explicit NameEdit(QWidget* parent)
        : QLineEdit(parent)
        , m_rule(new WholeCodesOnly(this)) {
        setValidator(m_rule);
        connect(this, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_rule->accepted = text; });
        connect(this, &QLineEdit::cursorPositionChanged, this, &NameEdit::keepCaretOutOfCodes);
        connect(this, &QLineEdit::selectionChanged, this, &NameEdit::takeInWholeCodes);
    }

    // Told whenever the box loses the focus.
    std::function<void()> onLeft;

    void load(const QString& name) {
        m_rule->accepted = name;
        setText(name);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!isReadOnly() && deleteWholeCodes(*event)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        if (onLeft) {
            onLeft();
        }
    }

private:
    // The deleting keys, done here so that what they take out is widened to whole codes first.
    bool deleteWholeCodes(const QKeyEvent& key) {
        const bool wordBack = key.matches(QKeySequence::DeleteStartOfWord);
        if (wordBack || key.matches(QKeySequence::DeleteEndOfWord)) {
            if (!hasSelectedText()) {
                if (wordBack) {
                    cursorWordBackward(true);
                } else {
                    cursorWordForward(true);
                }
            }
            // At the start (or the end) there is no word to take: nothing goes.
            if (hasSelectedText()) {
                takeInWholeCodes();
                del();
            }
            return true;
        }
        const bool backspace = key.key() == Qt::Key_Backspace;
        if ((!backspace && key.key() != Qt::Key_Delete) ||
            (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || hasSelectedText()) {
            return false;
        }
        // Before the first or after the last character this is that one character: nothing.
        const auto [start, length] = codeSpanAt(text(), cursorPosition() - (backspace ? 1 : 0));
        if (length == 1) {
            return false;
        }
        // Through the selection, so Undo brings the code back.
        setSelection(static_cast<int>(start), static_cast<int>(length));
        del();
        return true;
    }

    // The caret steps over a code as over one character, the way it was going.
    void keepCaretOutOfCodes(int before, int after) {
        if (!hasSelectedText() && splitsCode(text(), after)) {
            setCursorPosition(after > before ? after + 1 : after - 1);
        }
    }

    // The end the caret is at stays the moving end.
    void takeInWholeCodes() {
        if (!hasSelectedText()) {
            return;
        }
        const int start = selectionStart();
        const int end = selectionEnd();
        const auto [wideStart, wideEnd] = wholeCodeRange(text(), start, end);
        if (wideStart == start && wideEnd == end) {
            return;
        }
        const int length = static_cast<int>(wideEnd - wideStart);
        if (cursorPosition() == start) {
            setSelection(static_cast<int>(wideEnd), -length);
        } else {
            setSelection(static_cast<int>(wideStart), length);
        }
    }

    WholeCodesOnly* m_rule;
};

} // namespace

ColourNameBox::ColourNameBox(const QString& boxName, const QString& caption, const QFont& font,
                             QWidget* parent)
    : QWidget(parent) {
    auto* box = new NameEdit(this);
    box->onLeft = [this] {
        emit left();
    };
    m_box = box;
    m_box->setObjectName(boxName);
    m_box->setFont(font);
    // A name has no length limit; Qt's default would cut a long remembered name.
    m_box->setMaxLength(std::numeric_limits<int>::max());
    m_box->setAccessibleName(caption);
    m_box->setMinimumWidth(m_box->fontMetrics().height() * 23 / 2);
    setFocusProxy(m_box);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("label") + boxName.mid(3).chopped(4) +
                             QStringLiteral("Preview"));
    m_preview->setTextFormat(Qt::RichText);
    m_preview->setAutoFillBackground(true);
    QPalette chat = palette();
    chat.setColor(QPalette::Window, kChatBackground);
    chat.setColor(QPalette::WindowText, kChatText);
    m_preview->setPalette(chat);
    m_preview->setAccessibleDescription(caption + QStringLiteral(" as the game shows it"));
    m_preview->hide();
    connect(m_box, &QLineEdit::textChanged, this, &ColourNameBox::showPreview);

    // The strip's room stays reserved under the box, so showing it moves nothing.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_box);
    column->addWidget(m_preview);
    column->addStretch();
    setMinimumHeight(m_box->sizeHint().height() + m_preview->fontMetrics().height() + 2);
}

ColourNameBox::~ColourNameBox() {
    // The box may lose the focus while this goes; nobody is left to tell.
    static_cast<NameEdit*>(m_box)->onLeft = nullptr;
}

QString ColourNameBox::text() const {
    return m_box->text();
}

void ColourNameBox::setText(const QString& name) {
    static_cast<NameEdit*>(m_box)->load(name);
}

void ColourNameBox::appendColour(int number) {
    setText(text() + colourCode(number));
    m_box->setFocus(Qt::OtherFocusReason);
    m_box->deselect();
    m_box->setCursorPosition(static_cast<int>(text().size()));
}

void ColourNameBox::showPreview() {
    const bool codes = holdsColourCode(text());
    if (codes) {
        m_preview->setText(previewHtml(text()));
    }
    m_preview->setVisible(codes);
}

} // namespace glimmbar
