// The main window: the player picks a profession, names its pets, colours the names and
// creates the scripts. It is the program from the moment it opens until Exit.
#pragma once

#include "model/ColourCodes.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"
#include "ui/DialogSeam.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QGridLayout;
class QLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace glimmbar {

class ColourNameBox;
struct PetRoleRow;
class CalculatorWindow;
class AboutWindow;
class OptionsWindow;

class NamingWindow : public QWidget {
    Q_OBJECT

public:
    // Shows what `settings` (as read at start-up) remembers; Create Files works with
    // `selection`.
    NamingWindow(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                 QWidget* parent = nullptr);
    ~NamingWindow() override;

    // What Create Files works on: the settings record with the current profession, the six
    // names as typed (also those not remembered) and the six Remember Name ticks.
    Settings namingSnapshot() const;

signals:
    // Exit or the close box: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void openAbout();
    void openOptions();
    void openCalculator();
    void createFiles();
    void exitProgram();
    void switchColourFaces();

private:
    // The widgets of one pet row, one for each pet role, in role order.
    struct RowControls {
        QLabel* label = nullptr;
        QLabel* picture = nullptr;
        ColourNameBox* name = nullptr;
        QCheckBox* remember = nullptr;

        // The four left to right.
        std::array<QWidget*, 4> controls() const;
        // Shows or hides a row that is made; a row not made yet stays so.
        void setVisible(bool shown) const;
    };
    static constexpr std::size_t kRowCount = kAllRoles.size();
    RowControls& rowOf(PetRole role);
    const RowControls& rowOf(PetRole role) const;

    QGridLayout* buildPetRows();
    void buildRow(const PetRoleRow& role);
    // Makes the rows of `profession` not made yet.
    void buildRows(Profession profession);
    QLayout* buildProfessionButtons();
    QLayout* buildColourBlock();
    QLayout* buildButtonRow();

    void showStoredNames();
    // The name a row shows when it is made: the stored one if it is remembered.
    QString storedName(PetRole role) const;
    void selectProfession(Profession profession);
    // Appends a colour code to the box the player was last typing in.
    void appendColour(int colour);
    // Shows the rows of `profession` and hides every other row.
    void showProfessionRows(Profession profession);

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;

    // A row's controls stay null until its profession first shows.
    std::array<RowControls, kRowCount> m_rows{};
    QGridLayout* m_petGrid = nullptr;
    std::array<QRadioButton*, 3> m_professionButtons{};
    std::array<QPushButton*, kGameColourCount> m_colourButtons{};
    QPushButton* m_textOrColors = nullptr;
    std::array<QPushButton*, 5> m_buttonRow{};

    // The name box the colour buttons write into: the one the player last left, or the first
    // of the profession last selected; none before either.
    ColourNameBox* m_colourTarget = nullptr;
    // The colour buttons show their colours rather than their names.
    bool m_colourFaces = false;
    bool m_closing = false;
    // The windows opened from the button row have no owner, so each stays a window of its
    // own; they still go with the program.
    QPointer<AboutWindow> m_about;
    QPointer<OptionsWindow> m_options;
    QPointer<CalculatorWindow> m_calculator;
};

} // namespace glimmbar
