// The about window: the program's name and version, the credits of the
// team and of the libraries the game is built on, the web site and mail
// links, and the read-me file opened in the text viewer.
#pragma once

#include <QDialog>

#include <array>

#include "windows/VersionJeu.h"

class AvertisseurErreur;
class DossierJeu;
class LanceurExterne;
class QLabel;
class QListWidget;
class QPushButton;

class FrmAPropos2 : public QDialog {
    Q_OBJECT
public:
    // Lanceur opens the links and the read-me; its failures go to
    // Avertisseur. The window deletes itself when closed (modeless use).
    FrmAPropos2(DossierJeu& Dossier, LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur,
                QWidget* parent = nullptr, VersionJeu Version = VersionDuJeu);

private:
    // "Version 1.2", with ".3" only when the revision is not 0.
    static QString Ligne_Version(VersionJeu Version);
    void LblSiteWeb_Click();
    void LblMail_Click(int Index);
    void LisezMoi_Click();

    DossierJeu& Dossier_;
    LanceurExterne& Lanceur_;
    AvertisseurErreur& Avertisseur_;

    QLabel* lblVersion = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LblSiteWeb = nullptr;
    std::array<QLabel*, 2> LblMail{};
    QLabel* lblDisclaimer = nullptr;
    QPushButton* LisezMoi = nullptr;
    QPushButton* cmdOK = nullptr;
};
