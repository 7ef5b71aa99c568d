#include "frmCalculate.h"

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

const QString kNoCategory = QStringLiteral("EmptyDefault");

struct CategoryChoice {
    const char* caption;
    const char* promptStart;
    int twipsWidth;
};

// Option1 to Option5, one per calculator category, in the order of the category numbers.
constexpr std::array<CategoryChoice, 5> kChoices = {{
    {"Meta-Physicist &Attack Pet", "Please enter your Matter Creation", 2175},
    {"Meta-Physicist &Heal Pet", "Please enter your Biological Metamorphosis", 2055},
    {"Meta-Physicist &Mezz Pet", "Please enter your Matter Metamorphosis", 2055},
    {"&Engineer Pet", "Please enter your Matter Creation", 1815},
    {"&Bureaucrat Pet", "Please enter your Matter Creation", 1815},
}};

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
    , m_dialogs(dialogs)
    , m_txtPetType(kNoCategory) {
    setObjectName(QStringLiteral("frmCalculate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Calculate Pet"));
    setWindowIcon(calculatorIcon());
    buildControls();
    Form_Load(profession);
}

void frmCalculate::buildControls() {
    TwipsLayout twips(*this);
    // The longest result line the shipped tables can produce must fit on its label.
    twips.fitWidth(6615, fontMetrics().horizontalAdvance(QStringLiteral(
                             "This nano requires MC/T&S skills of at least 3000 to create the "
                             "shell, and 2400 to prevent OE.")));
    setFixedSize(twips.size(7185, 4710));

    m_labelSkillText = new QLabel(this);
    m_labelSkillText->setObjectName(QStringLiteral("labelSkillText"));
    m_labelSkillText->setWordWrap(true);
    m_labelSkillText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(m_labelSkillText, 480, 480, 2655, 735);
    setLabelText(m_labelSkillText,
                 QStringLiteral("First, select a pet type from the choices listed at the right."));

    m_txtMCTS = new QLineEdit(this);
    m_txtMCTS->setObjectName(QStringLiteral("txtMCTS"));
    m_txtMCTS->setAccessibleName(QStringLiteral("Skill value"));
    twips.place(m_txtMCTS, 3165, 1680, 855, 285);

    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kChoices[i].caption), this);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        twips.place(option, 4200, 360 + static_cast<int>(i) * 240, kChoices[i].twipsWidth, 255);
        group->addButton(option, static_cast<int>(i));
        m_options[i] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, &frmCalculate::selectCategory);

    const auto resultLabel = [&](const char* name, int top) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        twips.place(label, 240, top, 6615, 255);
        return label;
    };
    m_labelBestPetName = resultLabel("labelBestPetName", 2160);
    m_labelBestPetSkill = resultLabel("labelBestPetSkill", 2520);
    m_labelNextPetName = resultLabel("labelNextPetName", 3120);
    m_labelNextPetSkill = resultLabel("labelNextPetSkill", 3480);
    setLabelText(m_labelNextPetName, QStringLiteral("If one value is lower than the other, "
                                                    "enter the lower of the two to see"));
    setLabelText(m_labelNextPetSkill, QStringLiteral("the name and QL of the best pet you can "
                                                     "use, and the next one in the line."));

    m_line1 = new QFrame(this);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setFrameShape(QFrame::HLine);
    m_line1->setFrameShadow(QFrame::Sunken);
    m_line1->setGeometry(twips.x(120), twips.y(3000) - 1, twips.x(6960 - 120), 3);

    m_command1 = new QPushButton(QStringLiteral("&Calculate"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setToolTip(QStringLiteral("Clicking this will show the name of the best pet "
                                          "nano you can use, and the next one in the line."));
    twips.place(m_command1, 1545, 3960, 1575, 495);
    connect(m_command1, &QPushButton::clicked, this, &frmCalculate::Command1_Click);

    m_cmdClosethis = new QPushButton(QStringLiteral("Cl&ose"), this);
    m_cmdClosethis->setObjectName(QStringLiteral("cmdClosethis"));
    m_cmdClosethis->setToolTip(
        QStringLiteral("Click here to return to the main portion of the program."));
    twips.place(m_cmdClosethis, 4185, 3960, 1575, 495);
    connect(m_cmdClosethis, &QPushButton::clicked, this, &frmCalculate::cmdClosethis_Click);

    // The skill box first, then the two buttons, then the categories as one group.
    setTabOrder(m_txtMCTS, m_command1);
    setTabOrder(m_command1, m_cmdClosethis);
    setTabOrder(m_cmdClosethis, m_options[0]);
    m_txtMCTS->setFocus();
}

void frmCalculate::Form_Load(std::optional<Profession> profession) {
    // The naming window's profession picks the matching category; an MP starts on attack
    // pets, never on heal or mezz pets.
    if (!profession) {
        return;
    }
    switch (*profession) {
    case Profession::MP:
        m_options[0]->setChecked(true);
        selectCategory(0);
        break;
    case Profession::Engineer:
        m_options[3]->setChecked(true);
        selectCategory(3);
        break;
    case Profession::Bureaucrat:
        m_options[4]->setChecked(true);
        selectCategory(4);
        break;
    }
}

void frmCalculate::selectCategory(int index) {
    const auto i = static_cast<std::size_t>(index);
    setLabelText(m_labelSkillText, QString::fromLatin1(kChoices[i].promptStart));
    m_txtPetType = calcCategory(index + 1)->key;
    CompleteSkillPrompt();
}

void frmCalculate::CompleteSkillPrompt() {
    setLabelText(m_labelSkillText,
                 m_labelSkillText->property("rawText").toString() +
                     QStringLiteral(" and Time && Space skills, or select a different pet type."));
}

void frmCalculate::Command1_Click() {
    int petType = 0;
    for (int n = 1; n <= 5; ++n) {
        if (calcCategory(n)->key == m_txtPetType) {
            petType = n;
        }
    }
    if (petType == 0) {
        return; // no category chosen yet
    }
    const CalcResult result = CalculateBestPet(petType, m_txtMCTS->text());
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
        setLabelText(m_labelBestPetName, result.BestPetName);
        setLabelText(m_labelBestPetSkill, result.BestPetSkill);
        setLabelText(m_labelNextPetName, result.NextPetName);
        setLabelText(m_labelNextPetSkill, result.NextPetSkill);
        break;
    }
}

void frmCalculate::cmdClosethis_Click() {
    close();
}

// The texts carry "&&" for one ampersand, the way captions write it; a label shows the
// ampersand and underlines nothing.
void frmCalculate::setLabelText(QLabel* label, const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    label->setProperty("rawText", text);
    label->setTextFormat(Qt::PlainText);
    label->setText(shown);
}

} // namespace glimmbar
