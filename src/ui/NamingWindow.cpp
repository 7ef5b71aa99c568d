#include "ui/NamingWindow.h"

#include "model/ColourCodes.h"
#include "model/PetRoles.h"
#include "scriptgen/CreateCommand.h"
#include "ui/AboutWindow.h"
#include "ui/CalculatorWindow.h"
#include "ui/ColourNameBox.h"
#include "ui/EnterKey.h"
#include "ui/OptionsWindow.h"
#include "ui/Pictures.h"
#include "ui/RadioGroupFocus.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <span>

namespace glimmbar {

namespace {

// Grey's button shows the menu background rather than its colour.
bool facedLikeTheMenu(const GameColour& colour) {
    return qstrcmp(colour.name, "Grey") == 0;
}

const QString kShowColours = QStringLiteral("Click here to show buttons as colors");
const QString kShowText = QStringLiteral("Click here to show buttons as text");

// Rows that share a line belong to different professions. Rows shown together are two lines
// apart, so a name box and the colour preview under it fit between them.
int lineCount() {
    int lines = 0;
    for (const PetRoleRow& role : petRoles()) {
        lines = std::max(lines, role.naming.line);
    }
    return lines;
}
constexpr int kPictureSize = 32;
// The name boxes are drawn in a 12-point font where the window's is 8 points.
constexpr double kNameBoxFontScale = 1.5;

// Windows' menu background (system colour 4): Grey's colour face and every button's face
// after a switch back to text.
QColor menuBackground() {
    return QApplication::palette("QMenu").color(QPalette::Window);
}

// A flat face in exactly the given colour; a button style would shade it. The frame still
// shows which button has the keyboard focus.
QString faceStyle(const QColor& face) {
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(shadow);"
                          " border-radius: 3px; }"
                          "QPushButton:focus { border: 2px solid palette(highlight); }"
                          "QPushButton:pressed { border: 2px inset palette(shadow); }")
        .arg(face.name());
}

// Makes every button as wide as the widest caption needs (at least `minWidth`) and a third
// taller than its caption needs.
void sizeAlike(std::span<QPushButton* const> buttons, int minWidth) {
    int width = minWidth;
    for (const QPushButton* button : buttons) {
        width = std::max(width, button->sizeHint().width());
    }
    for (QPushButton* button : buttons) {
        button->setMinimumSize(width, button->sizeHint().height() * 4 / 3);
    }
}

// A role's name box and Remember box: txtAttackPetName, chkRememberAttack.
QString nameBoxName(const PetRoleRow& role) {
    return QStringLiteral("txt") + QLatin1String(role.naming.fieldStem) + QStringLiteral("PetName");
}
QString rememberBoxName(const PetRoleRow& role) {
    return QStringLiteral("chkRemember") + QLatin1String(role.naming.fieldStem);
}

} // namespace

NamingWindow::NamingWindow(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                           QWidget* parent)
    : QWidget(parent, fixedSizeWindowFlags())
    , m_settings(settings)
    , m_selection(selection)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmNamingScreen"));
    setWindowTitle(kProgramTitle);

    // Top to bottom: the pet rows, the professions, the colour block and the button row.
    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    const int gap = fontMetrics().height();
    window->addLayout(buildPetRows());
    window->addSpacing(gap / 2);
    window->addLayout(buildProfessionButtons());
    window->addSpacing(gap);
    window->addLayout(buildColourBlock());
    window->addSpacing(gap * 2);
    window->addLayout(buildButtonRow());
    // Tab goes the way the controls are made: the professions, the colour block and the button
    // row here, then each row as its profession first shows, in line order. A row joins the
    // end of the round, which comes back to the top, so the shown rows always come first;
    // hidden rows drop out by themselves. No setTabOrder: reordering the round again when later
    // rows are made can close it into a loop round those rows.
    pressFocusedButtonOnEnter(*this);
    showStoredNames();
    // The Options window is made on its first opening (it reads the file again then):
    // building its 56 boxes up front made start-up noticeably slower for nothing.
}

NamingWindow::~NamingWindow() {
    // Closing the window on its way out takes the focus from a name box; this window is no
    // longer there to hear of it.
    for (const RowControls& row : m_rows) {
        if (row.name != nullptr) {
            disconnect(row.name, nullptr, this, nullptr);
        }
    }
    delete m_about;
    delete m_options;
    delete m_calculator;
}

namespace {

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

// Each row stands on its line: the row of line n spans the grid's half-lines n and n + 1, so
// rows two lines apart never meet and the window keeps its height whichever profession shows.
// The rows themselves are made when their profession first shows (buildRow): most players keep
// to one profession, and making every row, its picture decoded, slowed each start for nothing.
QGridLayout* NamingWindow::buildPetRows() {
    m_petGrid = new QGridLayout;
    m_petGrid->setVerticalSpacing(0);
    // The labels' column is as wide as the widest caption, shown or not.
    int labelWidth = 0;
    for (const PetRoleRow& role : petRoles()) {
        labelWidth = std::max(
            labelWidth,
            fontMetrics().size(Qt::TextShowMnemonic, QLatin1String(role.naming.caption)).width());
    }
    m_petGrid->setColumnMinimumWidth(0, labelWidth);
    m_petGrid->setColumnMinimumWidth(1, kPictureSize);
    m_petGrid->setColumnStretch(0, 1);
    return m_petGrid;
}

void NamingWindow::buildRow(const PetRoleRow& role) {
    QFont nameFont = font();
    nameFont.setPointSizeF(font().pointSizeF() * kNameBoxFontScale);
    RowControls& row = rowOf(role.role);
    const QString caption = QLatin1String(role.naming.caption);

    row.name = new ColourNameBox(nameBoxName(role), caption, nameFont, this);
    connect(row.name, &ColourNameBox::left, this, [this, &row] { m_colourTarget = row.name; });
    const int boxHeight = row.name->box()->sizeHint().height();

    row.label = new QLabel(caption, this);
    row.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.label->setBuddy(row.name->box());
    row.label->setMinimumHeight(boxHeight);

    row.picture = new QLabel(this);
    row.picture->setObjectName(QLatin1String(role.naming.pictureName));
    row.picture->setPixmap(picture(QLatin1String(role.naming.picture)));
    row.picture->setAlignment(Qt::AlignCenter);
    row.picture->setAccessibleName(caption);
    row.picture->setMinimumHeight(boxHeight);

    row.remember = new QCheckBox(QStringLiteral("Remember Name"), this);
    row.remember->setObjectName(rememberBoxName(role));
    row.remember->setAccessibleName(QStringLiteral("Remember ") + caption +
                                    QStringLiteral(" name"));
    row.remember->setMinimumHeight(boxHeight);

    const int top = role.naming.line - 1;
    m_petGrid->addWidget(row.label, top, 0, 2, 1, Qt::AlignTop);
    m_petGrid->addWidget(row.picture, top, 1, 2, 1, Qt::AlignTop);
    m_petGrid->addWidget(row.name, top, 2, 2, 1);
    m_petGrid->addWidget(row.remember, top, 3, 2, 1, Qt::AlignTop);
    // A hidden row keeps its room, so the window keeps its size even while no profession
    // shows (a stored one the program does not know).
    for (QWidget* control : row.controls()) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }

    // Every name box is as tall as the first: its row sets the height of every line, so hidden
    // rows still hold theirs.
    if (m_petGrid->rowMinimumHeight(0) == 0) {
        const int lineHeight = (row.name->minimumHeight() + fontMetrics().height() / 2 + 1) / 2;
        for (int line = 0; line <= lineCount(); ++line) {
            m_petGrid->setRowMinimumHeight(line, lineHeight);
        }
    }

    row.name->setText(storedName(role.role));
    row.remember->setChecked(m_settings.remembers(role.role));
}

// Side by side, each at the start of an equal third of the row.
QLayout* NamingWindow::buildProfessionButtons() {
    auto* group = new QButtonGroup(this);
    auto* row = new QGridLayout;
    const int indent = fontMetrics().averageCharWidth() * 8;
    row->setContentsMargins(indent, 0, indent, 0);
    for (std::size_t i = 0; i < m_professionButtons.size(); ++i) {
        auto* button = new QRadioButton(QLatin1String(professions()[i].caption), this);
        group->addButton(button);
        button->setObjectName(QStringLiteral("Option") + QString::number(i + 1));
        row->addWidget(button, 0, static_cast<int>(i), Qt::AlignLeft);
        row->setColumnStretch(static_cast<int>(i), 1);
        // Every way of selecting a profession (mouse, arrow keys, access key, a screen reader's
        // toggle) checks its button; acting on that gives them all the same window.
        const Profession profession = professions()[i].profession;
        connect(button, &QRadioButton::toggled, this, [this, profession](bool checked) {
            if (checked) {
                selectProfession(profession);
            }
        });
        // A click on the selected profession selects it again, back to its first box.
        connect(button, &QRadioButton::clicked, this,
                [this, profession] { selectProfession(profession); });
        m_professionButtons[i] = button;
    }
    tabEntersAtSelectedButton(*group);
    return row;
}

// The style toggle centred above two rows of six colour buttons, all as wide as the widest
// colour name needs.
QLayout* NamingWindow::buildColourBlock() {
    m_textOrColors = new QPushButton(kShowColours, this);
    m_textOrColors->setObjectName(QStringLiteral("cmdTextOrColors"));
    connect(m_textOrColors, &QPushButton::clicked, this, &NamingWindow::switchColourFaces);
    m_textOrColors->setMinimumWidth(m_textOrColors->sizeHint().width() +
                                    fontMetrics().averageCharWidth() * 4);

    auto* colours = new QGridLayout;
    colours->setVerticalSpacing(colours->verticalSpacing() / 2);
    for (std::size_t i = 0; i < gameColours().size(); ++i) {
        const GameColour& colour = gameColours()[i];
        auto* button = new QPushButton(QLatin1String(colour.name), this);
        button->setObjectName(QStringLiteral("PutIn") +
                              QString(QLatin1String(colour.name)).remove(QLatin1Char(' ')));
        // The colour face has no caption; the name still tells a screen reader what it is.
        button->setAccessibleName(button->text());
        const int number = colour.number;
        connect(button, &QPushButton::clicked, this, [this, number] { appendColour(number); });
        colours->addWidget(button, static_cast<int>(i / 6), static_cast<int>(i % 6));
        m_colourButtons[i] = button;
    }
    // Tall enough for a colour face to read as a swatch.
    sizeAlike(m_colourButtons, fontMetrics().averageCharWidth() * 10);
    auto* block = new QVBoxLayout;
    block->addWidget(m_textOrColors, 0, Qt::AlignHCenter);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(colours);
    centred->addStretch();
    block->addLayout(centred);
    return block;
}

// Five buttons of one width, centred.
QLayout* NamingWindow::buildButtonRow() {
    struct ButtonSpec {
        const char* name;
        const char* caption;
        const char* toolTip;
        void (NamingWindow::*click)();
    };
    static constexpr std::array<ButtonSpec, 5> kButtons = {{
        {"cmdAboutButton", "&About", "About this program", &NamingWindow::openAbout},
        {"cmdMiscButton", "&Options", nullptr, &NamingWindow::openOptions},
        {"cmdCalculate", "Calc&ulate", nullptr, &NamingWindow::openCalculator},
        {"cmdCreateFile", "&Create Files", "Create the pet name files", &NamingWindow::createFiles},
        {"cmdExit", "E&xit", "Exit the program", &NamingWindow::exitProgram},
    }};
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonSpec& spec = kButtons[i];
        auto* button = new QPushButton(QLatin1String(spec.caption), this);
        button->setObjectName(QLatin1String(spec.name));
        if (spec.toolTip != nullptr) {
            button->setToolTip(QLatin1String(spec.toolTip));
        }
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, spec.click);
        m_buttonRow[i] = button;
    }
    row->addStretch();
    sizeAlike(m_buttonRow, fontMetrics().height() * 7);
    return row;
}

void NamingWindow::showStoredNames() {
    const std::optional<Profession> stored = professionFromText(m_settings.LastModeUsedMEC);
    if (stored) {
        // Checking the button selects the profession, as the player's click would.
        m_professionButtons[static_cast<std::size_t>(*stored)]->setChecked(true);
        rowOf(professionRoles(*stored).front()).name->setFocus();
    } else {
        // A profession the program does not know: no rows until the player picks one. The
        // first profession's rows are still made, hidden, to give the lines their height.
        buildRows(Profession::MP);
        for (const RowControls& row : m_rows) {
            row.setVisible(false);
        }
        m_professionButtons[0]->setFocus();
    }
}

QString NamingWindow::storedName(PetRole role) const {
    return m_settings.remembers(role) ? m_settings.petName(role) : QString();
}

void NamingWindow::selectProfession(Profession profession) {
    m_settings.LastModeUsedMEC = professionText(profession);
    showProfessionRows(profession);
    // After the switch: hiding the box that had the focus must not make it the target.
    m_colourTarget = rowOf(professionRoles(profession).front()).name;
}

void NamingWindow::buildRows(Profession profession) {
    for (const PetRole role : professionRoles(profession)) {
        if (rowOf(role).name == nullptr) {
            buildRow(roleRow(role));
        }
    }
}

void NamingWindow::showProfessionRows(Profession profession) {
    buildRows(profession);
    for (const PetRole role : kAllRoles) {
        rowOf(role).setVisible(roleProfession(role) == profession);
    }
}

std::array<QWidget*, 4> NamingWindow::RowControls::controls() const {
    return {label, picture, name, remember};
}

void NamingWindow::RowControls::setVisible(bool shown) const {
    if (name != nullptr) {
        for (QWidget* control : controls()) {
            control->setVisible(shown);
        }
    }
}

void NamingWindow::appendColour(int colour) {
    if (m_colourTarget != nullptr) {
        m_colourTarget->appendColour(colour);
    }
}

void NamingWindow::switchColourFaces() {
    m_colourFaces = !m_colourFaces;
    m_textOrColors->setText(m_colourFaces ? kShowText : kShowColours);
    // Every button changes before any repaints, so the order they change in is not seen.
    for (std::size_t i = 0; i < gameColours().size(); ++i) {
        const GameColour& colour = gameColours()[i];
        QPushButton* button = m_colourButtons[i];
        const QColor face = m_colourFaces && !facedLikeTheMenu(colour) ? QColor::fromRgb(colour.rgb)
                                                                       : menuBackground();
        button->setStyleSheet(faceStyle(face));
        button->setText(m_colourFaces ? QString() : QLatin1String(colour.name));
    }
}

Settings NamingWindow::namingSnapshot() const {
    Settings snapshot = m_settings;
    for (const PetRole role : kAllRoles) {
        // A row never shown holds what was stored, as its boxes would have.
        const RowControls& row = rowOf(role);
        snapshot.petName(role) = row.name != nullptr ? row.name->text() : storedName(role);
        if (row.remember != nullptr) {
            snapshot.remembers(role) = row.remember->isChecked();
        }
    }
    return snapshot;
}

NamingWindow::RowControls& NamingWindow::rowOf(PetRole role) {
    return m_rows[static_cast<std::size_t>(role)];
}
const NamingWindow::RowControls& NamingWindow::rowOf(PetRole role) const {
    return m_rows[static_cast<std::size_t>(role)];
}

void NamingWindow::openAbout() {
    if (!m_about) {
        m_about = new AboutWindow;
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        centreOver(*m_about, *this);
    }
    bringToFront(m_about);
}

// OK and Cancel end the Options window; the next opening loads the stored values afresh.
void NamingWindow::openOptions() {
    if (!m_options) {
        m_options = new OptionsWindow(m_settings, m_selection, m_dialogs);
        centreOver(*m_options, *this);
    }
    bringToFront(m_options);
}

// The calculator takes the profession chosen here when it opens; while it is open this only
// brings it to the front.
void NamingWindow::openCalculator() {
    if (!m_calculator) {
        m_calculator =
            new CalculatorWindow(professionFromText(m_settings.LastModeUsedMEC), m_dialogs);
        centreOver(*m_calculator, *this);
    }
    bringToFront(m_calculator);
}

void NamingWindow::createFiles() {
    Settings settings = namingSnapshot();
    PetSelection selection = m_selection;
    // While the Options window is open, what it shows is what the scripts use, saved or not.
    if (m_options && m_options->isVisible()) {
        m_options->applyTo(settings, selection);
    }
    const ParentWindowScope messagesBelongHere(m_dialogs, this);
    if (runCreateFiles(CreateSnapshot(settings, selection), m_dialogs).settingsSaved) {
        // glimmbar.cfg now holds the profession, the remembered names and the Options values
        // of this run, even when a later file could not be written; the one settings record
        // follows it.
        m_settings = settings;
    }
}

void NamingWindow::exitProgram() {
    close();
}

// Exit and the window's close box both end the program (see closed()). Nothing is saved.
void NamingWindow::closeEvent(QCloseEvent* event) {
    if (!m_closing) {
        m_closing = true;
        emit closed();
    }
    event->accept();
}

} // namespace glimmbar
