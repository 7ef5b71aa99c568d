// The pet calculator window: pick a pet category, type one skill value, and read the best pet
// nano usable now and the next one up.
#pragma once

#include "DialogSeam.h"
#include "model/PetCatalogue.h"

#include <QWidget>

#include <array>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace glimmbar {

class frmCalculate : public QWidget {
    Q_OBJECT

public:
    // `profession` is the naming window's choice when the calculator opens (none when it has
    // none yet); it preselects the matching category.
    frmCalculate(std::optional<Profession> profession, DialogSeam& dialogs,
                 QWidget* parent = nullptr);

private slots:
    void Command1_Click();
    void cmdClosethis_Click();

private:
    void buildControls();
    void Form_Load(std::optional<Profession> profession);
    void selectCategory(int index);
    void CompleteSkillPrompt();
    static void setLabelText(QLabel* label, const QString& text);

    DialogSeam& m_dialogs;
    QString m_txtPetType;
    QLabel* m_labelSkillText = nullptr;
    QLineEdit* m_txtMCTS = nullptr;
    std::array<QRadioButton*, 5> m_options{};
    QLabel* m_labelBestPetName = nullptr;
    QLabel* m_labelBestPetSkill = nullptr;
    QFrame* m_line1 = nullptr;
    QLabel* m_labelNextPetName = nullptr;
    QLabel* m_labelNextPetSkill = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_cmdClosethis = nullptr;
};

} // namespace glimmbar
