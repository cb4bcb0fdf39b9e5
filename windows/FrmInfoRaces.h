// The race information window: for the race chosen in its list, the
// description, how fast each characteristic grows, the skills in which the
// race beats or trails the norm, and its particular traits. It reads the
// rules and changes nothing in them; the race chosen here is told to the
// setup window (RaceChoisie) so that both lists show the same race.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ClsJeuParam;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;

class FrmInfoRaces : public QDialog {
    Q_OBJECT
public:
    // PositionSetup: the position selected in the setup window's race list
    // (which lists the same races in the same order), -1 for none; the
    // window opens on that race, which the setup window already shows. The
    // window deletes itself when closed (modeless use).
    FrmInfoRaces(const ClsJeuParam& Parametres, int PositionSetup, QWidget* parent = nullptr);

    // The rules index of each position of the list.
    const std::vector<std::int16_t>& Races() const { return races_; }

signals:
    // A race was chosen here, by its position in the list: the setup
    // window selects the same position in its own race list.
    void RaceChoisie(int Position);

private:
    // What the window shows for one race, line by line.
    struct Fiche {
        std::array<int, 6> Barres{};
        std::array<std::string, 6> Coefficients;
        std::vector<std::string> Bonus;
        std::vector<std::string> Malus;
        std::vector<std::string> Particularites;
    };
    static Fiche Decrire(const ClsJeuParam& Parametres, std::int32_t Race);
    void LstRaces_Click();

    const ClsJeuParam& Parametres_;
    std::vector<std::int16_t> races_;

    QListWidget* LstRaces = nullptr;
    QPlainTextEdit* TxtDescription = nullptr;
    std::array<QProgressBar*, 6> ProgressBarCarac{};
    std::array<QLabel*, 6> LblCarac{};
    QListWidget* LstBonus = nullptr;
    QListWidget* LstMalus = nullptr;
    QListWidget* LstParticularite = nullptr;
};
