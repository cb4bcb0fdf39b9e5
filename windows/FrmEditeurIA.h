// The AI script editor: the player's scripts (the root of the IAs folder),
// their description, and era by era the comment and the steps a scripted
// character follows; steps are added, moved, deleted and edited, script
// files created, duplicated, renamed, deleted and saved through the script
// library, and the items a script equips are previewed era by era.
//
// Edits change the library's scripts in memory; only a save writes them.
// Closing reloads the library from disk, so a game never sees unsaved
// edits. The window does not hide or show the setup window itself: whoever
// opens it does. From the main window (the editor deletes itself when
// closed):
//
//     auto* editeur = new FrmEditeurIA(Main, this);
//     connect(editeur, &FrmEditeurIA::ScriptsModifies, setup, <re-read the script lists>);
//     connect(editeur, &FrmEditeurIA::Fermee, setup, &QWidget::show);
//     setup->hide();
//     editeur->show();
#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

class AvertisseurErreur;
class ClsJeuIA2;
class ClsJeuParam;
class Dialogues;
class DossierJeu;
class LanceurExterne;
class ModIA2;
class ModMain;
class QAction;
class QButtonGroup;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

class FrmEditeurIA : public QMainWindow {
    Q_OBJECT

public:
    // The game state gives the library, the rules and the game folder.
    FrmEditeurIA(ModMain& Main, QWidget* Parent = nullptr, Dialogues* Questions = nullptr,
                 LanceurExterne* Lanceur = nullptr, AvertisseurErreur* Avertisseur = nullptr);
    // The questions and the outside viewer may be replaced (tests answer
    // them with a script); null ones are the desktop's. Whatever is passed
    // must outlive the window.
    FrmEditeurIA(ModIA2& IA2, const ClsJeuParam& Parametres, DossierJeu& Dossier, QWidget* Parent = nullptr,
                 Dialogues* Questions = nullptr, LanceurExterne* Lanceur = nullptr,
                 AvertisseurErreur* Avertisseur = nullptr);
    ~FrmEditeurIA() override;

    // How "A propos" opens the about window; without it the entry is
    // disabled.
    void Definir_APropos(std::function<void()> Ouvrir);

    // Index in the library of the script shown; -1 when the chosen file did
    // not load (or there is no script).
    std::int32_t NoIA() const { return NoIA_; }
    // Edits not yet written to disk.
    bool Modifie() const { return Modifie_; }

signals:
    // Script files changed on disk (saved, created, renamed, duplicated,
    // deleted) or the library was reloaded: lists of scripts and indices
    // into the library must be read again.
    void ScriptsModifies();
    // The window closed and the library holds what the files hold.
    void Fermee();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Construire_Controles();
    void Construire_Menus();
    void Connecter();
    void Charger();

    // Handlers and the sequences they run.
    void Afficher_Script();
    void Epoque_Changee();
    void Changer_Epoque(int Sens);
    void Afficher_Etapes();
    void Afficher_Texte_Etape(std::int32_t j);
    void Afficher_Edition_Etape();
    void Choisir_Categorie(int i);
    void Choisir_Valeur(int Liste);
    void Quantite_Changee(int i, bool Forcer);
    void Modifier_Quantite(int Sens);
    void Quantite_Predefinie(int k);
    void Deplacer_Etape(int Sens);
    void Ajouter_Etape();
    void Supprimer_Etape();
    void Description_Changee(const QString& Texte);
    void Commentaire_Changee(const QString& Texte);
    void Nouvelle_IA();
    void Dupliquer_IA();
    void Renommer_IA();
    void Supprimer_IA();
    bool Enregistrer();
    void Ouvrir_Manuel();
    void Afficher_Apercu();

    void Rafraichir_Liste_Fichiers();
    void Selectionner_Fichier(const std::string& Nom);
    void Selectionner_Etape(std::int32_t j);
    // Asks whether to save unsaved edits before a command that reloads the
    // library; false when the player cancels (or the save failed).
    bool Proposer_Enregistrement();
    void Mettre_A_Jour_Etats();
    void Erreur(const std::string& Titre, const std::string& Message);

    ClsJeuIA2* Script();
    std::int32_t Age() const;
    std::int32_t EtapeChoisie() const;
    std::string FichierChoisi() const;

    ModIA2& IA2;
    const ClsJeuParam& Parametres;
    DossierJeu& Dossier;
    std::unique_ptr<Dialogues> questionsPropres_;
    std::unique_ptr<LanceurExterne> lanceurPropre_;
    std::unique_ptr<AvertisseurErreur> avertisseurPropre_;
    Dialogues* Questions_;
    LanceurExterne* Lanceur_;
    AvertisseurErreur* Avertisseur_;
    std::function<void()> APropos_;

    std::int32_t NoIA_ = 0;
    bool Modifie_ = false;
    bool centree_ = false;
    bool fermee_ = false;
    // Pictures already loaded, and those already reported missing: the
    // preview is redrawn for every step shown.
    std::map<std::string, QPixmap> images_;
    std::set<std::string> imagesSignalees_;

    // Controls, named as the game names them.
    QListWidget* FileIAs = nullptr;
    QPushButton* CmdNouveau = nullptr;
    QPushButton* CmdDuppliquer = nullptr;
    QPushButton* CmdRenommer = nullptr;
    QPushButton* CmsSupprimerIA = nullptr;
    QLineEdit* TxtDescription = nullptr;
    QGroupBox* FrameEpoque = nullptr;
    QSlider* SliderEpoque = nullptr;
    QLabel* LblEpoque = nullptr;
    QLineEdit* TxtCommentaire = nullptr;
    QGroupBox* FrameActions = nullptr;
    QListWidget* LstActions = nullptr;
    std::array<QToolButton*, 2> CmdDeplacer{};
    QPushButton* CmdInserer = nullptr;
    QPushButton* CmdSupprimer = nullptr;
    QGroupBox* FrameCategories = nullptr;
    std::array<QRadioButton*, 9> OptionAction{};
    QButtonGroup* GroupeOptions = nullptr;
    QGroupBox* FrameDesignation = nullptr;
    std::array<QListWidget*, 2> LstValeur{};
    QGroupBox* FrameQuantite = nullptr;
    std::array<QSlider*, 2> SliderQuantite{};
    QLabel* LblQuantite = nullptr;
    std::array<QPushButton*, 2> CmdModifierQuantite{};
    std::array<QPushButton*, 8> CmdQuantite{};
    static constexpr int NombreCellules = 34;
    std::array<QLabel*, NombreCellules> ImgApercu{};
    std::array<QLabel*, NombreCellules> LblApercu{};

    QMenu* MenuFichier = nullptr;
    QAction* MenuFichierNouveau = nullptr;
    QAction* MenuFichierDuppliquer = nullptr;
    QAction* MenuFichierRenommer = nullptr;
    QAction* MenuFichierEnregistrer = nullptr;
    QAction* MenuFichierSupprimer = nullptr;
    QAction* MenuFichierQuitter = nullptr;
    QMenu* MenuActions = nullptr;
    QMenu* MenuActionEpoque = nullptr;
    std::array<QAction*, 2> MenuActionEpoqueChanger{};
    QAction* MenuActionsPrecedent = nullptr;
    QAction* MenuActionsSuivant = nullptr;
    QAction* MenuActionInserer = nullptr;
    QAction* MenuActionsSupprimer = nullptr;
    QMenu* MenuAide = nullptr;
    QAction* MenuAideManuel = nullptr;
    QAction* MenuAideAPropos = nullptr;
};
