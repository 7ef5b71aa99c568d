// The main window: the player picks a profession, names its pets, colours the names and
// creates the scripts. It is the program from the moment it opens until Exit.
#pragma once

#include "DialogSeam.h"
#include "model/ColourCodes.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QGridLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QKeyEvent;
class QRadioButton;

namespace glimmbar {

class frmCalculate;
class frmNewAbout;
class frmOptions;

class frmNamingScreen : public QWidget {
    Q_OBJECT

public:
    // Shows what `settings` (as read at start-up) remembers; Create Files works with
    // `selection`.
    frmNamingScreen(Settings& settings, PetSelection& selection, DialogSeam& dialogs,
                    QWidget* parent = nullptr);
    ~frmNamingScreen() override;

    // What Create Files works on: the settings record with the current profession, the six
    // names as typed (also those not remembered) and the six Remember Name ticks.
    Settings namingSnapshot() const;

signals:
    // Exit or the close box: the program ends.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void openAbout();
    void openOptions();
    void openCalculator();
    void createFiles();
    void exitProgram();
    void switchColourFaces();

private:
    // The widgets of one pet row, in the order of the row table (attack, heal, mezz, engy,
    // mechdog, crat).
    struct RowControls {
        QLabel* label = nullptr;
        QLabel* picture = nullptr;
        QLineEdit* name = nullptr;
        QCheckBox* remember = nullptr;
        // The name as the game will show it, while the name holds a colour code.
        QLabel* preview = nullptr;
    };
    static constexpr int kRowCount = 6;

    QGridLayout* buildPetRows();
    QLayout* buildProfessionButtons();
    QLayout* buildColourBlock();
    QLayout* buildButtonRow();
    void buildTabOrder();

    void showStoredNames();
    void selectProfession(Profession profession);
    void focusFirstNameBox();
    void showColourFaces(bool colours);
    // Appends a colour code to the box the player was last typing in.
    void PutInColour(int colour);
    // Shows the rows of `profession` and hides every other row.
    void ShowProfessionControls(Profession profession);
    void showPreview(RowControls& row);
    // Backspace and Delete take a whole colour code out of a name box; false for other keys.
    static bool removeWholeCode(QLineEdit& box, const QKeyEvent& key);

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;

    std::array<RowControls, kRowCount> m_rows{};
    std::array<QRadioButton*, 3> m_professionButtons{};
    std::array<QPushButton*, kGameColourCount> m_colourButtons{};
    QPushButton* m_textOrColors = nullptr;
    std::array<QPushButton*, 5> m_buttonRow{};

    // The row key of the name box the colour buttons write into; empty before the first
    // profession selection or focus change.
    QString m_lastFocusedBox;
    // Hiding a focused name box during a profession switch must not make it the colour target.
    bool m_switchingProfession = false;
    bool m_closing = false;
    // The windows opened from the button row have no owner, so each stays a window of its
    // own; they still go with the program.
    QPointer<frmNewAbout> m_about;
    QPointer<frmOptions> m_options;
    QPointer<frmCalculate> m_calculator;
};

} // namespace glimmbar
