// The main window: the player picks a profession, names its pets, colours the names and
// creates the scripts. It is the program from the moment it opens until Exit.
#pragma once

#include "DialogSeam.h"
#include "model/PetCatalogue.h"
#include "model/PetSelection.h"
#include "model/Settings.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
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

    // The row key of the name box the colour buttons write into; empty before the first
    // profession selection or focus change.
    QString lastFocusedBox() const { return m_lastFocusedBox; }

    // Appends a colour code to the box the player was last typing in.
    void PutInColour(short colour);

    // Shows the rows of `profession` and hides every other row.
    void ShowProfessionControls(Profession profession);

signals:
    // Exit or the close box: the program ends.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdAboutButton_Click();
    void cmdMiscButton_Click();
    void cmdCalculate_Click();
    void cmdCreateFile_Click();
    void cmdExit_Click();
    void cmdTextOrColors_Click();

private:
    // The widgets of one pet row, in the order of the row table (attack, heal, mezz, engy,
    // mechdog, crat).
    struct RowControls {
        QLabel* label = nullptr;
        QLabel* picture = nullptr;
        QLineEdit* name = nullptr;
        QCheckBox* remember = nullptr;
    };
    static constexpr int kRowCount = 6;
    static constexpr int kColourCount = 12;

    void buildPetRows();
    void buildProfessionButtons();
    void buildColourBlock();
    void buildButtonRow();
    void buildTabOrder();

    void Form_Load();
    void selectProfession(Profession profession);
    void focusFirstNameBox();
    void showColourFaces(bool colours);

    Settings& m_settings;
    PetSelection& m_selection;
    DialogSeam& m_dialogs;

    std::array<RowControls, kRowCount> m_rows{};
    std::array<QRadioButton*, 3> m_professionButtons{};
    std::array<QPushButton*, kColourCount> m_colourButtons{};
    QPushButton* m_textOrColors = nullptr;
    std::array<QPushButton*, 5> m_buttonRow{};

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
