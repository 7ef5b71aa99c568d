#include "ui/CalculatorWindow.h"

#include "calculator/PetCalculator.h"
#include "model/PetRoles.h"
#include "ui/EnterKey.h"
#include "ui/RadioGroupFocus.h"
#include "ui/WindowPlacement.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace glimmbar {

namespace {

// The prompt is the skill box's buddy, so a single '&' in it would mark an access key.
QString labelTextFor(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The calculator's own title-bar picture: a pocket calculator with a green display.
QIcon calculatorIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(QPen(QColor(0x1f, 0x2a, 0x36), 1.5));
        painter.setBrush(QColor(0x45, 0x5a, 0x70));
        painter.drawRoundedRect(QRectF(5, 2, 22, 28), 3, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x9c, 0xe0, 0x7a));
        painter.drawRect(QRectF(8, 5, 16, 6));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                painter.setBrush(row == 2 && col == 2 ? QColor(0xf0, 0x9a, 0x3e)
                                                      : QColor(0xe8, 0xec, 0xf0));
                painter.drawRect(QRectF(8 + col * 6, 14 + row * 5, 4, 3.5));
            }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

CalculatorWindow::CalculatorWindow(std::optional<Profession> profession, DialogSeam& dialogs,
                                   QWidget* parent)
    : QWidget(parent, fixedSizeWindowFlags())
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmCalculate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Calculate Pet"));
    setWindowIcon(calculatorIcon());
    buildControls();
    selectCategoryOf(profession);
}

void CalculatorWindow::buildControls() {
    // Option1 to Option6, top to bottom in the order of the category numbers: the mechdog came
    // last so the five older categories kept their places.
    std::array<QRadioButton*, kCalcPetTypes.size()> options{};
    m_categories = new QButtonGroup(this);
    for (std::size_t i = 0; i < kCalcPetTypes.size(); ++i) {
        const CalcPetType type = kCalcPetTypes[i];
        options[i] =
            new QRadioButton(QString::fromLatin1(roleOfCategory(type).calculator.caption), this);
        options[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        m_categories->addButton(options[i], static_cast<int>(type));
    }

    m_labelSkillText = new QLabel(this);
    m_labelSkillText->setObjectName(QStringLiteral("labelSkillText"));
    m_labelSkillText->setWordWrap(true);
    m_labelSkillText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelSkillText->setTextFormat(Qt::PlainText);
    m_labelSkillText->setText(
        QStringLiteral("First, select a pet type from the choices listed at the right."));

    m_txtMCTS = new QLineEdit(this);
    m_txtMCTS->setObjectName(QStringLiteral("txtMCTS"));
    // Room for a five-digit skill, as the box was drawn.
    m_txtMCTS->setFixedWidth(m_txtMCTS->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                             m_txtMCTS->sizeHint().height());
    // A screen reader announces the box with the prompt the player reads beside it.
    m_labelSkillText->setBuddy(m_txtMCTS);

    // The result lines wrap rather than widen the window: a long pet name takes a second line.
    const auto resultLabel = [&](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    m_labelBestPetName = resultLabel("labelBestPetName");
    m_labelBestPetSkill = resultLabel("labelBestPetSkill");
    m_labelNextPetName = resultLabel("labelNextPetName");
    m_labelNextPetSkill = resultLabel("labelNextPetSkill");
    m_labelNextPetName->setText(QStringLiteral("If one value is lower than the other, "
                                               "enter the lower of the two to see"));
    // As wide as the window was drawn for its font: the hint takes two lines.
    m_labelBestPetName->setMinimumWidth(fontMetrics().height() * 38);
    m_labelNextPetSkill->setText(QStringLiteral("the name and QL of the best pet you can use, "
                                                "and the next one in the line."));

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    auto* command1 = new QPushButton(QStringLiteral("&Calculate"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setToolTip(QStringLiteral("Clicking this will show the name of the best pet "
                                        "nano you can use, and the next one in the line."));
    connect(command1, &QPushButton::clicked, this, &CalculatorWindow::showBestPet);

    auto* cmdClosethis = new QPushButton(QStringLiteral("Cl&ose"), this);
    cmdClosethis->setObjectName(QStringLiteral("cmdClosethis"));
    cmdClosethis->setToolTip(
        QStringLiteral("Click here to return to the main portion of the program."));
    connect(cmdClosethis, &QPushButton::clicked, this, &QWidget::close);
    pressFocusedButtonOnEnter(*this);

    // The prompt and the skill box under it on the left, the categories on the right; below
    // them the best pet, a line, the next pet, and the two buttons.
    auto* categories = new QVBoxLayout;
    categories->setSpacing(0);
    for (QRadioButton* option : options) {
        categories->addWidget(option);
    }
    categories->addStretch();
    auto* prompt = new QVBoxLayout;
    prompt->addWidget(m_labelSkillText, 1);
    prompt->addWidget(m_txtMCTS, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout;
    top->addLayout(prompt, 1);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(categories);

    for (QPushButton* button : {command1, cmdClosethis}) {
        button->setMinimumHeight(button->sizeHint().height() * 4 / 3);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1, 2);
    buttons->addStretch(1);
    buttons->addWidget(cmdClosethis, 2);
    buttons->addStretch(1);

    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(top);
    window->addSpacing(fontMetrics().height());
    window->addWidget(m_labelBestPetName);
    window->addWidget(m_labelBestPetSkill);
    window->addWidget(line1);
    window->addWidget(m_labelNextPetName);
    window->addWidget(m_labelNextPetSkill);
    window->addSpacing(fontMetrics().height() / 2);
    window->addLayout(buttons);

    // However a category gets selected (mouse, arrows, Space, an accessibility action, the
    // program), the prompt follows it.
    connect(m_categories, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            askForSkillOf(static_cast<CalcPetType>(id));
        }
    });
    tabEntersAtSelectedButton(*m_categories);

    // The skill box first, then the two buttons, then the categories as one group.
    setTabOrder(m_txtMCTS, command1);
    setTabOrder(command1, cmdClosethis);
    QWidget* previous = cmdClosethis;
    for (QRadioButton* option : options) {
        setTabOrder(previous, option);
        previous = option;
    }
    m_txtMCTS->setFocus();
}

// The naming window's profession picks the category of its first role: an MP starts on attack
// pets, never on heal or mezz pets.
void CalculatorWindow::selectCategoryOf(std::optional<Profession> profession) {
    if (profession) {
        m_categories->button(static_cast<int>(calculatorCategoryOf(*profession)))->setChecked(true);
    }
}

void CalculatorWindow::askForSkillOf(CalcPetType type) {
    m_labelSkillText->setText(
        labelTextFor(QStringLiteral("Please enter your ") + calcCategory(type).skillName +
                     QStringLiteral(" and Time & Space skills, or select a different pet type.")));
}

void CalculatorWindow::showBestPet() {
    const int id = m_categories->checkedId();
    if (id < 0) {
        return; // no category chosen yet
    }
    const CalcResult result = calculateBestPet(static_cast<CalcPetType>(id), m_txtMCTS->text());
    switch (result.kind) {
    case CalcResult::Kind::MissingFile: {
        const ParentWindowScope messagesBelongHere(m_dialogs, this);
        m_dialogs.showMessage(result.missingFile);
        break;
    }
    case CalcResult::Kind::Failed:
        break;
    case CalcResult::Kind::Computed:
        if (result.correctedSkill) {
            m_txtMCTS->setText(*result.correctedSkill);
        }
        m_labelBestPetName->setText(result.BestPetName);
        m_labelBestPetSkill->setText(result.BestPetSkill);
        m_labelNextPetName->setText(result.NextPetName);
        m_labelNextPetSkill->setText(result.NextPetSkill);
        break;
    }
}

} // namespace glimmbar
