// The pet calculator window: pick a pet category, type one skill value, and read the best pet
// nano usable now and the next one up.
#pragma once

#include "calculator/PetCalculator.h"
#include "model/PetCatalogue.h"
#include "ui/DialogSeam.h"

#include <QWidget>

#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace glimmbar {

class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    // `profession` is the naming window's choice when the calculator opens (none when it has
    // none yet); it preselects the matching category.
    CalculatorWindow(std::optional<Profession> profession, DialogSeam& dialogs,
                     QWidget* parent = nullptr);

private:
    void buildControls();
    void selectCategoryOf(std::optional<Profession> profession);
    void askForSkillOf(CalcPetType type);
    void showBestPet();

    DialogSeam& m_dialogs;
    QLabel* m_labelSkillText = nullptr;
    QLineEdit* m_txtMCTS = nullptr;
    QButtonGroup* m_categories = nullptr; // ids are the CalcPetType numbers
    QLabel* m_labelBestPetName = nullptr;
    QLabel* m_labelBestPetSkill = nullptr;
    QLabel* m_labelNextPetName = nullptr;
    QLabel* m_labelNextPetSkill = nullptr;
};

} // namespace glimmbar
