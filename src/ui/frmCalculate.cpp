#include "frmCalculate.h"

#include "EnterKey.h"
#include "RadioGroupFocus.h"
#include "TwipsLayout.h"
#include "calculator/PetCalculator.h"

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

struct CategoryChoice {
    CalcPetType type;
    const char* caption;
    int twipsWidth;
};

// Option1 to Option6, top to bottom. The mechdog comes last so the five older categories keep
// their places.
constexpr std::array<CategoryChoice, 6> kChoices = {{
    {CalcPetType::MPAttack, "Meta-Physicist &Attack Pet", 2175},
    {CalcPetType::Heal, "Meta-Physicist &Heal Pet", 2055},
    {CalcPetType::Mezz, "Meta-Physicist &Mezz Pet", 2055},
    {CalcPetType::Engy, "&Engineer Pet", 1815},
    {CalcPetType::Crat, "&Bureaucrat Pet", 1815},
    {CalcPetType::EngyDog, "Engineer Mech&dog", 2055},
}};

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

frmCalculate::frmCalculate(std::optional<Profession> profession, DialogSeam& dialogs,
                           QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmCalculate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Calculate Pet"));
    setWindowIcon(calculatorIcon());
    buildControls();
    selectCategoryOf(profession);
}

void frmCalculate::buildControls() {
    std::array<QRadioButton*, kChoices.size()> options{};
    m_categories = new QButtonGroup(this);
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        options[i] = new QRadioButton(QString::fromLatin1(kChoices[i].caption), this);
        options[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        m_categories->addButton(options[i], static_cast<int>(kChoices[i].type));
    }

    TwipsLayout twips(*this);
    // Every caption, and the longest result line the shipped tables can produce, must fit.
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        twips.fitWidth(kChoices[i].twipsWidth, options[i]->sizeHint().width());
    }
    twips.fitWidth(6615, fontMetrics().horizontalAdvance(QStringLiteral(
                             "This nano requires MC/T&S skills of at least 3000 to create the "
                             "shell, and 2400 to prevent OE.")));
    setFixedSize(twips.size(7185, 4710));

    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        twips.place(options[i], 4200, 360 + static_cast<int>(i) * 240, kChoices[i].twipsWidth, 255);
    }

    m_labelSkillText = new QLabel(this);
    m_labelSkillText->setObjectName(QStringLiteral("labelSkillText"));
    m_labelSkillText->setWordWrap(true);
    m_labelSkillText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelSkillText->setTextFormat(Qt::PlainText);
    twips.place(m_labelSkillText, 480, 480, 2655, 735);
    m_labelSkillText->setText(
        QStringLiteral("First, select a pet type from the choices listed at the right."));

    m_txtMCTS = new QLineEdit(this);
    m_txtMCTS->setObjectName(QStringLiteral("txtMCTS"));
    twips.place(m_txtMCTS, 3165, 1680, 855, 285);
    // A screen reader announces the box with the prompt the player reads beside it.
    m_labelSkillText->setBuddy(m_txtMCTS);

    const auto resultLabel = [&](const char* name, int top) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        twips.place(label, 240, top, 6615, 255);
        return label;
    };
    m_labelBestPetName = resultLabel("labelBestPetName", 2160);
    m_labelBestPetSkill = resultLabel("labelBestPetSkill", 2520);
    m_labelNextPetName = resultLabel("labelNextPetName", 3120);
    m_labelNextPetSkill = resultLabel("labelNextPetSkill", 3480);
    m_labelNextPetName->setText(QStringLiteral("If one value is lower than the other, "
                                               "enter the lower of the two to see"));
    m_labelNextPetSkill->setText(QStringLiteral("the name and QL of the best pet you can use, "
                                                "and the next one in the line."));

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    line1->setGeometry(twips.x(120), twips.y(3000) - 1, twips.x(6960 - 120), 3);

    auto* command1 = new QPushButton(QStringLiteral("&Calculate"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setToolTip(QStringLiteral("Clicking this will show the name of the best pet "
                                        "nano you can use, and the next one in the line."));
    twips.place(command1, 1545, 3960, 1575, 495);
    connect(command1, &QPushButton::clicked, this, &frmCalculate::showBestPet);

    auto* cmdClosethis = new QPushButton(QStringLiteral("Cl&ose"), this);
    cmdClosethis->setObjectName(QStringLiteral("cmdClosethis"));
    cmdClosethis->setToolTip(
        QStringLiteral("Click here to return to the main portion of the program."));
    twips.place(cmdClosethis, 4185, 3960, 1575, 495);
    connect(cmdClosethis, &QPushButton::clicked, this, &QWidget::close);
    pressFocusedButtonOnEnter(*this);

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

// The naming window's profession picks the matching category; an MP starts on attack pets,
// never on heal or mezz pets.
void frmCalculate::selectCategoryOf(std::optional<Profession> profession) {
    if (!profession) {
        return;
    }
    CalcPetType type = CalcPetType::MPAttack;
    switch (*profession) {
    case Profession::MP:
        type = CalcPetType::MPAttack;
        break;
    case Profession::Engineer:
        type = CalcPetType::Engy;
        break;
    case Profession::Bureaucrat:
        type = CalcPetType::Crat;
        break;
    }
    m_categories->button(static_cast<int>(type))->setChecked(true);
}

void frmCalculate::askForSkillOf(CalcPetType type) {
    m_labelSkillText->setText(
        labelTextFor(QStringLiteral("Please enter your ") + calcCategory(type).skillName +
                     QStringLiteral(" and Time & Space skills, or select a different pet type.")));
}

void frmCalculate::showBestPet() {
    const int id = m_categories->checkedId();
    if (id < 0) {
        return; // no category chosen yet
    }
    const CalcResult result = CalculateBestPet(static_cast<CalcPetType>(id), m_txtMCTS->text());
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
