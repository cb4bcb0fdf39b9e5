// The heroes of the setup window: creating one (name check, race, sex),
// generating 1, 10 or 50 at random, deleting them, the roster and the
// sheet of the hero at the roster's cursor (team, looks, script, starting
// items bought with its fortune, competences, bestiary), the 250 ms tick
// that walks the looks' preview and blinks the hints, and the two-player
// panel.
//
// Every choice made on the sheet is written at once into the hero's file;
// the sheet only writes into the file of the hero it shows, and only while
// that hero's entry is the roster's current, selected one.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QBitmap>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "devices/ClsPerMusique.h"
#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "platform/Chemins.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ListeApparences.h"
#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace fs = std::filesystem;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The file names of a folder, sorted as the roster sorts (letter case
// aside); folders and hidden files are left out.
std::vector<std::string> Fichiers(const fs::path& dossier) {
    std::vector<std::string> noms;
    std::error_code ec;
    fs::directory_iterator it(dossier, ec);
    if (ec) return noms;
    for (const fs::directory_entry& e : it) {
        if (!e.is_regular_file(ec)) continue;
        std::string nom = e.path().filename().string();
        if (!nom.empty() && nom[0] != '.') noms.push_back(std::move(nom));
    }
    std::sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        const std::string ma = MinusculesAscii(a), mb = MinusculesAscii(b);
        return ma != mb ? ma < mb : a < b;
    });
    return noms;
}

void Remplir(QListWidget* liste, const std::vector<std::string>& noms) {
    const QSignalBlocker b(liste);
    liste->clear();
    for (const std::string& n : noms) liste->addItem(Q(n));
}

// The names of a name file, one a line; blank lines are no names. A
// missing file gives none.
std::vector<std::string> Lire_Noms(const fs::path& chemin) {
    std::vector<std::string> noms;
    const auto texte = LireFichier(chemin);
    if (!texte) return noms;
    for (const std::string& ligne : DecouperLignes(*texte)) {
        const std::string nom(Rogner(ligne));
        if (!nom.empty()) noms.push_back(nom);
    }
    return noms;
}

// Position p x (n - 1) of a list of n, to the nearest (halves to even).
int Position(float p, int n) {
    if (n <= 0) return -1;
    return std::clamp(static_cast<int>(std::nearbyint(static_cast<double>(p) * (n - 1))), 0, n - 1);
}

constexpr const char* Separateur = "----------------------------------------------------";

// A hint that blinks, or that says nothing for a while, keeps its line:
// the controls below it stay where the player aims.
// Its width is the room it is given: a longer message does not widen the
// columns either.
void GarderPlace(QLabel* l) {
    QSizePolicy p = l->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    p.setHorizontalPolicy(QSizePolicy::Ignored);
    l->setSizePolicy(p);
    l->setMinimumHeight(l->fontMetrics().height());
}

}  // namespace

// ---- Building the panels ----

void FrmParam::Construire_Personnages(QGroupBox* cadre) {
    auto* gp = new QVBoxLayout(cadre);
    TabStripPersonnage = new QTabBar(cadre);
    TabStripPersonnage->addTab("Nouveau personnage");
    TabStripPersonnage->addTab("Charger personnages");
    TabStripPersonnage->setExpanding(false);
    gp->addWidget(TabStripPersonnage);

    // -- New character --
    FrameNouveauPersonnage = new QGroupBox(QString::fromUtf8("Créez un nouveau personnage"), cadre);
    auto* gn = new QGridLayout(FrameNouveauPersonnage);
    TxtNomPerso = new QLineEdit(FrameNouveauPersonnage);
    TxtNomPerso->setObjectName("TxtNomPerso");
    TxtNomPerso->setMaxLength(2 * LongueurMaxNom);
    LblErreurNom = new QLabel(FrameNouveauPersonnage);
    LblErreurNom->setStyleSheet("color: #b00000");
    GarderPlace(LblErreurNom);
    CmdCreerPerso = new QPushButton(QString::fromUtf8("&Créer"), FrameNouveauPersonnage);
    CmdCreerPerso->setAutoFillBackground(true);
    LstRaces = new QListWidget(FrameNouveauPersonnage);
    LstRaces->setObjectName("LstRaces");
    TxtRaceDecription = new QPlainTextEdit(FrameNouveauPersonnage);
    TxtRaceDecription->setReadOnly(true);
    CmdInfoRace = new QPushButton("&Info...", FrameNouveauPersonnage);
    OptionSexe[0] = new QRadioButton("&Masculin", FrameNouveauPersonnage);
    OptionSexe[1] = new QRadioButton(QString::fromUtf8("&Féminin"), FrameNouveauPersonnage);
    OptionSexe[0]->setChecked(true);
    LblRestictionSexe = new QLabel(QString::fromUtf8("Ce choix est imposé par votre race."), FrameNouveauPersonnage);
    LblRestictionSexe->setWordWrap(true);
    GarderPlace(LblRestictionSexe);
    LblRestictionSexe->hide();
    const char* generer[3] = {"&Générer 1 personnage", "Générer &10 personnages", "Générer &50 personnages"};
    gn->addWidget(new QLabel("Nom :", FrameNouveauPersonnage), 0, 0);
    gn->addWidget(TxtNomPerso, 0, 1);
    gn->addWidget(CmdCreerPerso, 0, 2);
    gn->addWidget(LblErreurNom, 1, 0, 1, 3);
    gn->addWidget(new QLabel("Race :", FrameNouveauPersonnage), 2, 0, Qt::AlignTop);
    gn->addWidget(LstRaces, 2, 1, 2, 1);
    gn->addWidget(CmdInfoRace, 2, 2, Qt::AlignTop);
    gn->addWidget(TxtRaceDecription, 4, 0, 1, 3);
    auto* sexe = new QHBoxLayout;
    sexe->addWidget(OptionSexe[0]);
    sexe->addWidget(OptionSexe[1]);
    sexe->addStretch(1);
    gn->addLayout(sexe, 5, 0, 1, 3);
    gn->addWidget(LblRestictionSexe, 6, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        CmdGenererPersos[i] = new QPushButton(QString::fromUtf8(generer[i]), FrameNouveauPersonnage);
        gn->addWidget(CmdGenererPersos[i], 7 + i, 0, 1, 3);
        connect(CmdGenererPersos[i], &QPushButton::clicked, this, [this, i] { CmdGenererPersos_Click(i); });
    }
    gn->setRowStretch(3, 1);
    gp->addWidget(FrameNouveauPersonnage, 1);

    // -- Loaded characters: roster and sheet --
    FrameChargerPersonnage = new QWidget(cadre);
    auto* gc = new QGridLayout(FrameChargerPersonnage);
    gc->setContentsMargins(0, 0, 0, 0);
    LstPerso = new QListWidget(FrameChargerPersonnage);
    LstPerso->setObjectName("LstPerso");
    LstPerso->setSelectionMode(QAbstractItemView::MultiSelection);
    LblNombrePersos = new QLabel(FrameChargerPersonnage);
    LblNombrePersos->hide();
    CmdSupprimerPerso = new QPushButton("&Supprimer", FrameChargerPersonnage);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(LstPerso, 1);
    gauche->addWidget(LblNombrePersos);
    gauche->addWidget(CmdSupprimerPerso);
    gc->addLayout(gauche, 0, 0, 2, 1);

    auto* fiche = new QGridLayout;
    auto etiquette = [&](int ligne, int colonne, const char* texte) {
        auto* valeur = new QLabel(FrameChargerPersonnage);
        fiche->addWidget(new QLabel(QString::fromUtf8(texte), FrameChargerPersonnage), ligne, colonne);
        fiche->addWidget(valeur, ligne, colonne + 1);
        return valeur;
    };
    LblNom = etiquette(0, 0, "Nom :");
    LblMetier = etiquette(1, 0, "Métier :");
    LblNiveau = etiquette(2, 0, "Niveau :");
    LblNivPlus = etiquette(3, 0, "Progrès :");
    LblSexe = etiquette(4, 0, "Sexe :");
    LblRace = etiquette(5, 0, "Race :");
    ComboEquipePerso = new QComboBox(FrameChargerPersonnage);
    fiche->addWidget(new QLabel("Equipe :", FrameChargerPersonnage), 6, 0);
    fiche->addWidget(ComboEquipePerso, 6, 1);
    LblVie = etiquette(0, 2, "Vie :");
    LblEnergie = etiquette(1, 2, "Energie :");
    LblMagie = etiquette(2, 2, "Magie :");
    LblMoral = etiquette(3, 2, "Moral :");
    LblAttaque = etiquette(4, 2, "Attaque :");
    LblDefense = etiquette(5, 2, "Défense :");
    fiche->setColumnStretch(1, 1);
    fiche->setColumnStretch(3, 1);
    gc->addLayout(fiche, 0, 1);

    auto* fichiers = new QVBoxLayout;
    TabStripFichiers = new QTabBar(FrameChargerPersonnage);
    TabStripFichiers->addTab("Apparence");
    TabStripFichiers->addTab("IA");
    TabStripFichiers->setExpanding(false);
    FileApparence = new QListWidget(FrameChargerPersonnage);
    FileApparence->setObjectName("FileApparence");
    CheckApparence = new QCheckBox(QString::fromUtf8("&Définir Apparence"), FrameChargerPersonnage);
    ImgApparence = new QLabel(FrameChargerPersonnage);
    ImgApparence->setFixedSize(64, 64);
    ImgApparence->setAlignment(Qt::AlignCenter);
    FileIA = new QListWidget(FrameChargerPersonnage);
    FileIA->setObjectName("FileIA");
    auto* apparence = new QHBoxLayout;
    apparence->addWidget(FileApparence, 1);
    auto* apercu = new QVBoxLayout;
    apercu->addWidget(CheckApparence);
    apercu->addWidget(ImgApparence, 0, Qt::AlignHCenter);
    apercu->addStretch(1);
    apparence->addLayout(apercu);
    apparence->addWidget(FileIA, 1);
    fichiers->addWidget(TabStripFichiers);
    fichiers->addLayout(apparence, 1);

    TabStripCompBest = new QTabBar(FrameChargerPersonnage);
    TabStripCompBest->addTab(QString::fromUtf8("Compétences"));
    TabStripCompBest->addTab("Bestiaire");
    TabStripCompBest->addTab(QString::fromUtf8("Trésors"));
    TabStripCompBest->setExpanding(false);
    LstCompetences = new QListWidget(FrameChargerPersonnage);
    LstBestiaire = new QListWidget(FrameChargerPersonnage);
    LstTalents = new QListWidget(FrameChargerPersonnage);
    LstTalents->setObjectName("LstTalents");
    LstTalents->setSelectionMode(QAbstractItemView::MultiSelection);
    LstPointsTalents = new QListWidget(FrameChargerPersonnage);
    LstPointsTalents->setMaximumHeight(3 * LstPointsTalents->fontMetrics().height() + 8);
    fichiers->addWidget(TabStripCompBest);
    fichiers->addWidget(LstCompetences, 2);
    fichiers->addWidget(LstBestiaire, 2);
    fichiers->addWidget(LstPointsTalents);
    fichiers->addWidget(LstTalents, 2);
    gc->addLayout(fichiers, 1, 1);
    gc->setColumnStretch(0, 2);
    gc->setColumnStretch(1, 3);
    gc->setRowStretch(1, 1);
    gp->addWidget(FrameChargerPersonnage, 1);

    TimerApparence = new QTimer(this);
    TimerApparence->setInterval(250);

    // Player actions only: filling a list blocks its signals, and the code
    // runs the handlers it wants itself.
    connect(TabStripPersonnage, &QTabBar::currentChanged, this, [this] { TabStripPersonnage_Click(); });
    connect(TxtNomPerso, &QLineEdit::textChanged, this, [this] { TxtNomPerso_Change(); });
    connect(TxtNomPerso, &QLineEdit::returnPressed, this, [this] {
        if (CmdCreerPerso->isEnabled()) CmdCreerPerso_Click();
    });
    connect(CmdCreerPerso, &QPushButton::clicked, this, [this] { CmdCreerPerso_Click(); });
    connect(LstRaces, &QListWidget::currentRowChanged, this, [this] { LstRaces_Click(); });
    connect(LstRaces, &QListWidget::itemDoubleClicked, this, [this] { LstRaces_DblClick(); });
    connect(CmdInfoRace, &QPushButton::clicked, this, [this] { CmdInfoRace_Click(); });
    connect(LstPerso, &QListWidget::itemSelectionChanged, this, [this] { LstPerso_Click(); });
    connect(CmdSupprimerPerso, &QPushButton::clicked, this, [this] { CmdSupprimerPerso_Click(); });
    connect(ComboEquipePerso, &QComboBox::activated, this, [this] { ComboEquipePerso_Validate(); });
    connect(TabStripFichiers, &QTabBar::currentChanged, this, [this] { TabStripFichiers_Click(); });
    connect(CheckApparence, &QCheckBox::clicked, this, [this] { CheckApparence_Click(); });
    connect(FileApparence, &QListWidget::itemSelectionChanged, this, [this] { FileApparence_Click(); });
    connect(FileIA, &QListWidget::itemSelectionChanged, this, [this] { FileIA_Click(); });
    connect(TabStripCompBest, &QTabBar::currentChanged, this, [this] { TabStripCompBest_Click(); });
    connect(LstTalents, &QListWidget::itemSelectionChanged, this, [this] { LstTalents_Click(); });
    connect(TimerApparence, &QTimer::timeout, this, [this] { TimerApparence_Timer(); });
}

void FrmParam::Construire_Duo(QGroupBox* cadre) {
    auto* g = new QVBoxLayout(cadre);
    CheckJouera2 = new QCheckBox(QString::fromUtf8("Jouer à 2 sur le même ordinateur."), cadre);
    CheckMaintenirEcransSepares = new QCheckBox(QString::fromUtf8("Toujours maintenir les 2 écrans séparés."), cadre);
    g->addWidget(CheckJouera2);
    g->addWidget(CheckMaintenirEcransSepares);
    auto* joueurs = new QVBoxLayout;
    const char* indications[2][4] = {{"Situé sur la partie gauche de l'écran.", "Utilise uniquement le clavier.",
                                      "Le pavé numérique sert à diriger le curseur.",
                                      "Les touches \"0 inser\" et \"Entr\" servent de clics."},
                                     {"Situé sur la partie droite de l'écran.", "Utilise uniquement la souris.", nullptr, nullptr}};
    for (int j = 0; j < 2; ++j) {
        auto* frame = new QGroupBox(j == 0 ? "Joueur 1" : "Joueur 2", cadre);
        auto* gj = new QVBoxLayout(frame);
        ComboNomJoueur[j] = new QComboBox(frame);
        ComboNomJoueur[j]->setObjectName(j == 0 ? "ComboNomJoueur(0)" : "ComboNomJoueur(1)");
        auto* liste = new QListWidget(frame);
        liste->setSelectionMode(QAbstractItemView::NoSelection);
        // The hints wrap to the frame's width rather than hide behind a
        // scroll bar.
        liste->setWordWrap(true);
        liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        liste->setResizeMode(QListView::Adjust);
        liste->setMaximumHeight(7 * liste->fontMetrics().height() + 8);
        for (const char* t : indications[j])
            if (t) liste->addItem(QString::fromUtf8(t));
        (j == 0 ? List1 : List2) = liste;
        gj->addWidget(ComboNomJoueur[j]);
        gj->addWidget(liste);
        joueurs->addWidget(frame);
        connect(ComboNomJoueur[j], &QComboBox::activated, this, [this, j] { ComboNomJoueur_Click(j); });
    }
    g->addLayout(joueurs);
    LblSelectionner2Personnages = new QLabel(cadre);
    LblSelectionner2Personnages->setStyleSheet("color: #b00000");
    GarderPlace(LblSelectionner2Personnages);
    g->addWidget(LblSelectionner2Personnages);
    g->addStretch(1);
    connect(CheckJouera2, &QCheckBox::clicked, this, [this] { CheckJouera2_Click(); });
    connect(CheckMaintenirEcransSepares, &QCheckBox::clicked, this, [this] { CheckMaintenirEcransSepares_Click(); });
}

// The window's load, for the heroes: races, teams, the script list, the
// name check, the two-player switches and the tick.
void FrmParam::Form_Load_Personnages() {
    Demarrage& prog = Principale_.Programme();
    const ClsJeuParam& P = prog.Jeu_Monde->Parametres;
    {
        const QSignalBlocker b(ComboEquipePerso);
        ComboEquipePerso->clear();
        for (std::size_t e = 1; e <= std::max<std::size_t>(1, ComboEquipe.size()); ++e) ComboEquipePerso->addItem(QString::number(e));
        ComboEquipePerso->setCurrentIndex(0);
    }
    TxtNomPerso_Change();
    {
        const QSignalBlocker b(LstRaces);
        LstRaces->clear();
        for (std::int16_t r = 0; r < P.NombreRaces; ++r)
            if (P.JouerToutesLesRaces || P.Race_Jouable(r)) {
                auto* item = new QListWidgetItem(Q(P.Race_Nom(r)), LstRaces);
                item->setData(Qt::UserRole, static_cast<int>(r));
            }
        if (LstRaces->count() > 0) LstRaces->setCurrentRow(0);
    }
    LstRaces_Click();
    DossierFileIA = prog.Dossier.Chemin("\\IAs\\").string();
    {
        const QSignalBlocker b1(CheckJouera2), b2(CheckMaintenirEcransSepares);
        CheckJouera2->setChecked(prog.Jeu && prog.Jeu->Definir_Mode2Joueurs());
        CheckMaintenirEcransSepares->setChecked(prog.Jeu && prog.Jeu->Definir_Mode2JoueursEcranSepares());
    }
    EtapeApparence = 0;
    TimerApparence->start();
}

// ---- The name check ----

std::string FrmParam::Verifier_Nom(const std::string& Nom) const {
    const QString nom = Q(Nom).trimmed();
    if (nom.isEmpty()) return "Entrez un nom";
    for (const QChar c : nom)
        if (QString("\\/:*?\"<>|.").contains(c) || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return "Ce nom comporte un caractère incorrect";
    if (nom.size() > LongueurMaxNom)
        return "Ce nom est trop long (" + std::to_string(LongueurMaxNom) + " caractères au plus)";
    for (int i = 0; i < LstPerso->count(); ++i)
        if (LstPerso->item(i)->text().compare(nom, Qt::CaseInsensitive) == 0) return "Un autre personnage possède déjà ce nom";
    // What the name check let through must also make a file name.
    if (!ModSavPerso::NomPersoValide(nom.toStdString())) return "Ce nom comporte un caractère incorrect";
    return "";
}

void FrmParam::TxtNomPerso_Change() {
    const std::string erreur = Verifier_Nom(TxtNomPerso->text().toStdString());
    LblErreurNom->setText(Q(erreur));
    CmdCreerPerso->setEnabled(erreur.empty());
}

// ---- Race and sex ----

void FrmParam::LstRaces_Click() {
    const QListWidgetItem* item = LstRaces->currentItem();
    if (!item) return;
    const ClsJeuParam& P = Principale_.Programme().Jeu_Monde->Parametres;
    const int race = item->data(Qt::UserRole).toInt();
    TxtRaceDecription->setPlainText(Q(P.Race_Description(race)));
    const bool feminin = P.Race_RestrictionSexe(race, true);
    if (feminin || P.Race_RestrictionSexe(race, false)) {
        OptionSexe[0]->setEnabled(false);
        OptionSexe[1]->setEnabled(false);
        LblRestictionSexe->show();
        // The restriction forbids one sex: the other is imposed.
        OptionSexe[feminin ? 0 : 1]->setChecked(true);
    } else {
        OptionSexe[0]->setEnabled(true);
        OptionSexe[1]->setEnabled(true);
        LblRestictionSexe->hide();
    }
}

void FrmParam::LstRaces_DblClick() {
    LstRaces_Click();
    CmdInfoRace_Click();
}

void FrmParam::CmdInfoRace_Click() { Principale_.MenuAideRaces->trigger(); }

// ---- Creating ----

void FrmParam::CmdCreerPerso_Click() {
    const std::string nom = TxtNomPerso->text().trimmed().toStdString();
    const QListWidgetItem* race = LstRaces->currentItem();
    // The button's state comes from the check; the check runs again here
    // for the generation and the return key, which do not look at it.
    if (!Verifier_Nom(nom).empty() || !race) return;
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    ClsJeuPerso& perso = Perso_Affiche();
    perso.Init(M.NoPersoJoueur, M.Parametres, M.GenerateurPlateforme);
    perso.Sexe = OptionSexe[1]->isChecked();
    perso.Changer_Race_Personnage(race->data(Qt::UserRole).toInt(), M.Parametres, false);
    // The race names a villager after itself: the hero keeps its own name.
    perso.Nom = nom;
    perso.IA = true;
    perso.FichierIA = "_Defaut";
    if (!M.SavPerso.Sauvegarder_Perso(perso)) {
        Principale_.Programme().Dialogues().Message(
            "Le personnage " + nom + " n'a pas pu être enregistré dans " + M.SavPerso.Chemin_Perso(nom).string() + ".",
            "Erreur", Dialogues::Icone::Critique);
        return;
    }
    Actualiser_Liste_Persos();
    for (int i = 0; i < LstPerso->count(); ++i) {
        if (LstPerso->item(i)->text().toStdString() != nom) continue;
        {
            const QSignalBlocker b(LstPerso);
            LstPerso->setCurrentRow(i, QItemSelectionModel::NoUpdate);
            LstPerso->item(i)->setSelected(true);
        }
        LstPerso_Click();
        break;
    }
    // The starting items that cost nothing are the new hero's at once.
    {
        const QSignalBlocker b(TabStripCompBest);
        TabStripCompBest->setCurrentIndex(2);
    }
    TabStripCompBest_Click();
    if (Fichier_Affiche() == nom) {
        const ClsJeuParam& P = M.Parametres;
        bool gratuit = false;
        {
            const QSignalBlocker b(LstTalents);
            for (int i = 0; i < LstTalents->count() && i < P.Race_NombreObjets(perso.Race); ++i)
                if (P.Objet_PrixTalents(P.Race_Objet(perso.Race, i)) < 1) {
                    LstTalents->item(i)->setSelected(true);
                    gratuit = true;
                }
        }
        if (gratuit) LstTalents_Click();
    }
    TxtNomPerso->clear();
    TabStripPersonnage->setCurrentIndex(1);
    CmdSupprimerPerso->setEnabled(true);
}

void FrmParam::CmdGenererPersos_Click(int Index) {
    if (Index < 0 || Index > 2) return;
    const int nombre = Index == 0 ? 1 : Index == 1 ? 10 : 50;
    Demarrage& prog = Principale_.Programme();
    GenerateurLocal& hasard = prog.Jeu_Monde->GenerateurPlateforme;
    Principale_.Sablier(true);
    try {
        const std::vector<std::string> hommes = Lire_Noms(prog.Dossier.Chemin("\\Ini_NomsM.ini"));
        const std::vector<std::string> femmes = Lire_Noms(prog.Dossier.Chemin("\\Ini_NomsF.ini"));
        int faits = 0, essais = 0;
        while (faits < nombre && LstRaces->count() > 0) {
            // The visible races only: positions of the list, not race indexes.
            const int race = std::min(static_cast<int>(hasard.Suivant() * LstRaces->count()), LstRaces->count() - 1);
            LstRaces->setCurrentRow(race);
            LstRaces_Click();
            if (OptionSexe[0]->isEnabled()) OptionSexe[hasard.Suivant() >= 0.5f ? 1 : 0]->setChecked(true);
            const float r1 = hasard.Suivant();
            const float r2 = hasard.Suivant();
            const std::vector<std::string>& noms = OptionSexe[0]->isChecked() ? hommes : femmes;
            const int i = Position(OptionSexe[0]->isChecked() ? r1 : r2, static_cast<int>(noms.size()));
            if (i >= 0) {
                TxtNomPerso->setText(Q(noms[static_cast<std::size_t>(i)]));
                TxtNomPerso_Change();
                if (CmdCreerPerso->isEnabled()) {
                    CmdCreerPerso_Click();
                    for (QListWidget* liste : {FileApparence, FileIA}) {
                        const int k = Position(hasard.Suivant(), liste->count());
                        if (k >= 0) {
                            liste->setCurrentRow(k, QItemSelectionModel::ClearAndSelect);  // runs its click
                        }
                    }
                    ++faits;
                }
            }
            if (++essais >= 1000) break;
        }
    } catch (const std::exception&) {
        // A generation that fails ends quietly; what was made stays.
    }
    Principale_.Sablier(false);
}

// ---- Deleting ----

void FrmParam::CmdSupprimerPerso_Click() {
    if (LstPerso->count() == 0) return;
    Dialogues& d = Principale_.Programme().Dialogues();
    ModSavPerso& sav = Principale_.Programme().Jeu_Monde->SavPerso;
    const char* titre = "Confirmation de la suppression du personnage";
    std::vector<std::string> noms;
    if (LblNombrePersos->isHidden()) {
        const QListWidgetItem* courant = LstPerso->currentItem();
        if (!courant) return;
        const std::string nom = courant->text().toStdString();
        if (!d.Confirmer("Etes-vous sûr de vouloir effacer " + nom + " ?", titre)) return;
        noms.push_back(nom);
    } else {
        if (!d.Confirmer("Etes-vous sûr de vouloir effacer les personnages sélectionés  ?", titre)) return;
        for (int i = 0; i < LstPerso->count(); ++i)
            if (LstPerso->item(i)->isSelected()) noms.push_back(LstPerso->item(i)->text().toStdString());
    }
    std::vector<std::string> restes;
    for (const std::string& nom : noms)
        if (!sav.Supprimer_Perso(nom)) restes.push_back(nom);
    if (!restes.empty()) {
        std::string liste;
        for (const std::string& n : restes) liste += "\n" + sav.Chemin_Perso(n).string();
        d.Message("Ces personnages n'ont pas pu être effacés :" + liste, "Erreur", Dialogues::Icone::Critique);
    }
    Actualiser_Liste_Persos();
    if (LstPerso->count() > 0) {
        const QSignalBlocker b(LstPerso);
        LstPerso->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        LstPerso->item(0)->setSelected(true);
    } else {
        CmdSupprimerPerso->setEnabled(false);
    }
    LstPerso_Click();
}

// ---- Roster ----

void FrmParam::Actualiser_Liste_Persos() {
    {
        // The heroes chosen stay chosen through a refresh (a creation adds
        // one, a deletion takes some away).
        std::vector<QString> choisis;
        for (int i = 0; i < LstPerso->count(); ++i)
            if (LstPerso->item(i)->isSelected()) choisis.push_back(LstPerso->item(i)->text());
        const QSignalBlocker bloque(LstPerso);
        LstPerso->clear();
        for (const std::string& nom : Principale_.Programme().Jeu_Monde->SavPerso.Liste_Persos()) {
            LstPerso->addItem(Q(nom));
            if (std::find(choisis.begin(), choisis.end(), Q(nom)) != choisis.end()) LstPerso->item(LstPerso->count() - 1)->setSelected(true);
        }
    }
    {
        const QSignalBlocker b(TabStripPersonnage);
        TabStripPersonnage->setCurrentIndex(LstPerso->count() > 0 ? 1 : 0);
    }
    TabStripPersonnage_Click();
    CmdSupprimerPerso->setEnabled(LstPerso->count() > 0);
    // The name typed may now be taken, or free again.
    TxtNomPerso_Change();
    Actualiser_Bouton_Commencer();
}

void FrmParam::LstPerso_Click() {
    Garder_Courant_Coche();
    Afficher_Fiche_Perso();
    int choisis = 0;
    for (int i = 0; i < LstPerso->count(); ++i)
        if (LstPerso->item(i)->isSelected()) ++choisis;
    LblNombrePersos->setVisible(choisis >= 2);
    LblNombrePersos->setText(QString::number(choisis) + " personnages");
    Actualiser_Joueurs_Duo();
    Actualiser_Bouton_Commencer();
}

// A click that unticks a hero also makes it the list's current entry. The
// current hero is the one the sheet shows: it stays so while it takes
// part, else the first hero that still does becomes current, so that the
// current hero is always one that plays.
void FrmParam::Garder_Courant_Coche() {
    const QListWidgetItem* courant = LstPerso->currentItem();
    if (!courant || courant->isSelected()) return;
    int k = Ligne_Fiche();
    for (int i = 0; i < LstPerso->count() && k < 0; ++i)
        if (LstPerso->item(i)->isSelected()) k = i;
    if (k < 0) return;
    const QSignalBlocker b(LstPerso);
    LstPerso->setCurrentRow(k, QItemSelectionModel::NoUpdate);
}

int FrmParam::Ligne_Fiche() const {
    if (LblNom->text().isEmpty()) return -1;
    for (int i = 0; i < LstPerso->count(); ++i)
        if (LstPerso->item(i)->isSelected() && LstPerso->item(i)->text() == LblNom->text()) return i;
    return -1;
}

void FrmParam::Actualiser_Joueurs_Duo() {
    int avant[2];
    for (int j = 0; j < 2; ++j) avant[j] = ComboNomJoueur[j]->currentIndex();
    const QSignalBlocker b0(ComboNomJoueur[0]), b1(ComboNomJoueur[1]);
    for (QComboBox* c : ComboNomJoueur) c->clear();
    for (int i = 0; i < LstPerso->count(); ++i)
        if (LstPerso->item(i)->isSelected())
            for (QComboBox* c : ComboNomJoueur) c->addItem(LstPerso->item(i)->text());
    const int n = ComboNomJoueur[0]->count();
    if (n == 0) {
        Verifier_Duo();
        return;
    }
    for (int j = 0; j < 2; ++j) ComboNomJoueur[j]->setCurrentIndex(avant[j] >= 0 && avant[j] < n ? avant[j] : 0);
    const int x = ComboNomJoueur[0]->currentIndex();
    if (n > 1 && ComboNomJoueur[1]->currentIndex() == x) ComboNomJoueur[1]->setCurrentIndex(x + 1 < n ? x + 1 : x - 1);
    Verifier_Duo();
}

// ---- The sheet ----

ClsJeuPerso& FrmParam::Perso_Affiche() const {
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    return M.Persos[static_cast<std::size_t>(M.NoPersoJoueur)];
}

std::string FrmParam::Fichier_Affiche() const {
    const QListWidgetItem* courant = LstPerso->currentItem();
    if (!courant || !courant->isSelected()) return "";
    const std::string nom = Perso_Affiche().Nom;
    return !nom.empty() && courant->text().toStdString() == nom ? nom : "";
}

void FrmParam::Sauvegarder_Affiche() {
    if (remplissage_ || Fichier_Affiche().empty()) return;
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    if (!M.SavPerso.Sauvegarder_Perso(Perso_Affiche()))
        Principale_.Programme().Dialogues().Message(
            "Le personnage " + Perso_Affiche().Nom + " n'a pas pu être enregistré dans " +
                M.SavPerso.Chemin_Perso(Perso_Affiche().Nom).string() + ".",
            "Erreur", Dialogues::Icone::Critique);
}

void FrmParam::Perso_Invalide(int ligne, const std::string& message) {
    // The bad hero leaves the game's list and the sheet: nothing the sheet
    // does can then be written into its file, and the next start goes on.
    {
        const QSignalBlocker b(LstPerso);
        if (ligne >= 0 && ligne < LstPerso->count()) LstPerso->item(ligne)->setSelected(false);
    }
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    Perso_Affiche().Init(M.NoPersoJoueur, M.Parametres, M.GenerateurPlateforme);
    for (QLabel* l : {LblNom, LblMetier, LblNiveau, LblNivPlus, LblSexe, LblRace, LblVie, LblEnergie, LblMagie, LblMoral,
                      LblAttaque, LblDefense})
        l->clear();
    for (QListWidget* l : {LstCompetences, LstBestiaire, LstTalents, LstPointsTalents}) {
        const QSignalBlocker b(l);
        l->clear();
    }
    CheckApparence->setEnabled(false);
    Principale_.Programme().Dialogues().Message(message, "Erreur", Dialogues::Icone::Critique);
}

void FrmParam::Afficher_Fiche_Perso() {
    if (LstPerso->count() == 0) {
        CheckApparence->setEnabled(false);
        LblNom->clear();
        return;
    }
    const QListWidgetItem* courant = LstPerso->currentItem();
    if (!courant || !courant->isSelected()) return;
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    const ClsJeuParam& P = M.Parametres;
    ClsJeuPerso& perso = Perso_Affiche();
    perso.Init(M.NoPersoJoueur, P, M.GenerateurPlateforme);
    try {
        M.SavPerso.Charger_Perso(courant->text().toStdString(), perso);
    } catch (const ErreurPerso& e) {
        Perso_Invalide(LstPerso->currentRow(), e.what());
        return;
    }
    perso.Nom = courant->text().toStdString();
    LblNom->setText(Q(perso.Nom));
    LblMetier->setText(Q(perso.Metier(P)));
    const double niveau = perso.Niveau();
    LblNiveau->setText(QString::number(static_cast<long long>(std::floor(niveau))));
    const double arrondi = std::round(niveau * 100.0) / 100.0;
    LblNivPlus->setText(QString::number(static_cast<long long>(std::floor((arrondi - std::floor(niveau)) * 100.0 + 1e-9))) + " %");
    {
        const QSignalBlocker b(ComboEquipePerso);
        ComboEquipePerso->setCurrentIndex(perso.Equipe >= 0 && perso.Equipe < ComboEquipePerso->count() ? perso.Equipe : -1);
    }
    LblSexe->setText(perso.Sexe ? QString::fromUtf8("Féminin") : QString("Masculin"));
    LblRace->setText(Q(P.Race_Nom(perso.Race, perso.Sexe, false)));
    QLabel* carac[6] = {LblVie, LblEnergie, LblMagie, LblMoral, LblAttaque, LblDefense};
    switch (Principale_.CompetencesAffichage) {
        case 0: {
            const double v[6] = {perso.Definir_MaxVie(), perso.Definir_MaxEnergie(), perso.Definir_MaxMagie(),
                                 perso.Definir_MaxMoral(), perso.Definir_MaxAttaque(), perso.Definir_MaxDefense()};
            for (int i = 0; i < 6; ++i) carac[i]->setText(Q(TexteNombreFrancais(v[i])));
            break;
        }
        case 1: {
            const std::int32_t v[6] = {perso.NiveauVie, perso.NiveauEnergie, perso.NiveauMagie,
                                       perso.NiveauMoral, perso.NiveauAttaque, perso.NiveauDefense};
            for (int i = 0; i < 6; ++i) carac[i]->setText(QString::number(static_cast<long long>(v[i]) + 1));
            break;
        }
        case 2: {
            const double v[4] = {perso.ExpVie, perso.ExpEnergie, perso.ExpMagie, perso.ExpMoral};
            for (int i = 0; i < 4; ++i) carac[i]->setText(Q(TexteNombreFrancais(v[i])));
            LblAttaque->setText(QString::number(static_cast<long long>(std::floor(perso.ExpAttaque / 20.0))));
            LblDefense->setText(QString::number(static_cast<long long>(std::floor(perso.ExpDefense / 20.0))));
            break;
        }
        default: break;
    }
    TabStripCompBest_Click();

    remplissage_ = true;
    {
        const QSignalBlocker b(CheckApparence);
        if (P.Race_DefinirApparence(perso.Race)) {
            CheckApparence->setChecked(true);
            CheckApparence->setEnabled(false);
        } else {
            CheckApparence->setChecked(perso.Apparence);
            CheckApparence->setEnabled(true);
        }
    }
    DossierFileApparence =
        Principale_.Programme().Dossier.Chemin(ListeApparences::CheminPerso() + P.Race_CheminApparence(perso.Race, perso.Sexe)).string();
    Remplir(FileApparence, Fichiers(DossierFileApparence));
    Remplir(FileIA, Fichiers(DossierFileIA));
    for (auto [liste, choix] : {std::pair{FileApparence, perso.FichierApparence}, std::pair{FileIA, perso.FichierIA}}) {
        const QSignalBlocker b(liste);
        liste->clearSelection();
        int k = -1;
        for (int i = 0; i < liste->count() && !choix.empty(); ++i)
            if (liste->item(i)->text().toStdString() == choix) {
                k = i;
                break;
            }
        if (k < 0 && liste->count() > 0) k = 0;
        if (k >= 0) liste->setCurrentRow(k, QItemSelectionModel::ClearAndSelect);
    }
    FileApparence_Click();
    TabStripFichiers_Click();
    remplissage_ = false;
}

void FrmParam::Afficher_Competences() {
    LstCompetences->clear();
    if (Fichier_Affiche().empty()) return;
    const ClsJeuParam& P = Principale_.Programme().Jeu_Monde->Parametres;
    const ClsJeuPerso& perso = Perso_Affiche();
    const int mode = Principale_.CompetencesAffichage;
    const bool toutes = Principale_.MenuPersonnageCompetencesAfficherToutes->isChecked();
    struct Famille {
        int nombre;
        std::string (ClsJeuParam::*nom)(std::int32_t) const;
        std::int16_t (ClsJeuPerso::*niveau)(std::int32_t) const;
        std::int16_t (ClsJeuPerso::*effectif)(std::int32_t) const;
        double (ClsJeuPerso::*experience)(std::int32_t) const;
    };
    const Famille familles[4] = {
        {perso.Nombre_CompetencesSpeciales(), &ClsJeuParam::Speciales_NomCompetences, &ClsJeuPerso::Niveau_CompetenceSpeciales,
         &ClsJeuPerso::Definir_Niveau_CompetenceSpeciales, &ClsJeuPerso::Definir_ExpSpeciales},
        {perso.Nombre_CompetencesRessources(), &ClsJeuParam::Ressources_NomCompetence, &ClsJeuPerso::Niveau_CompetenceRessources,
         &ClsJeuPerso::Definir_Niveau_CompetenceRessources, &ClsJeuPerso::Definir_ExpRessources},
        {perso.Nombre_CompetencesServices(), &ClsJeuParam::Service_NomCompetence, &ClsJeuPerso::Niveau_CompetenceServices,
         &ClsJeuPerso::Definir_Niveau_CompetenceServices, &ClsJeuPerso::Definir_ExpServices},
        {perso.Nombre_CompetencesObjets(), &ClsJeuParam::CompetenceObjet_Nom, &ClsJeuPerso::Niveau_CompetenceObjets,
         &ClsJeuPerso::Definir_Niveau_CompetenceObjets, &ClsJeuPerso::Definir_ExpObjets},
    };
    for (const Famille& f : familles)
        for (int j = 0; j < f.nombre; ++j) {
            const std::int16_t niveau = (perso.*f.niveau)(j);
            if (!toutes && niveau < 1) continue;
            std::string valeur;
            if (mode == 0) valeur = std::to_string((perso.*f.effectif)(j));
            else if (mode == 1) valeur = std::to_string(niveau + 1);
            else if (mode == 2) valeur = TexteNombreFrancais((perso.*f.experience)(j));
            else continue;
            LstCompetences->addItem(Q((P.*f.nom)(j) + " : " + valeur));
        }
    if (LstCompetences->count() > 0) {
        const auto m = static_cast<std::int16_t>(mode);
        LstCompetences->addItem(Separateur);
        LstCompetences->addItem(Q("Minimum : " + std::to_string(perso.Definir_Min_Competence(m))));
        LstCompetences->addItem(Q("Moyenne : " + TexteNombreFrancais(perso.Definir_Moy_Competence(m), 2)));
        LstCompetences->addItem(Q("Maximum : " + std::to_string(perso.Definir_Max_Competence(m))));
    }
}

void FrmParam::Afficher_Bestiaire() {
    LstBestiaire->clear();
    if (Fichier_Affiche().empty()) return;
    const ClsJeuParam& P = Principale_.Programme().Jeu_Monde->Parametres;
    const ClsJeuPerso& perso = Perso_Affiche();
    const std::int32_t total = perso.Definir_Bestiaire_Total();
    if (total <= 0) return;
    for (std::int16_t k = 0; k < perso.Nombre_de_lignes_du_bestiaire(); ++k) {
        const std::int16_t r = P.Bestiaire_Ordre_Alpha(k);
        const std::int32_t c = perso.Definir_Bestiaire(r);
        if (c >= 1) LstBestiaire->addItem(Q(P.Race_Nom(r, false, c >= 2) + " : " + std::to_string(c)));
    }
    LstBestiaire->addItem(Separateur);
    LstBestiaire->addItem(Q("Total : " + std::to_string(total)));
}

// ---- Pages ----

void FrmParam::TabStripPersonnage_Click() {
    const int t = TabStripPersonnage->currentIndex();
    FrameNouveauPersonnage->setVisible(t == 0);
    FrameChargerPersonnage->setVisible(t == 1 && LstPerso->count() > 0);
}

void FrmParam::TabStripFichiers_Click() {
    const bool apparence = TabStripFichiers->currentIndex() == 0;
    FileApparence->setVisible(apparence);
    CheckApparence->setVisible(apparence);
    FileIA->setVisible(!apparence);
    CheckApparence_Click();
}

void FrmParam::TabStripCompBest_Click() {
    const int t = TabStripCompBest->currentIndex();
    CompetencesSelection = static_cast<std::int16_t>(std::max(0, t));
    if (t == 0) Afficher_Competences();
    else if (t == 1) Afficher_Bestiaire();
    else if (t == 2) Actualiser_Talents();
    LstCompetences->setVisible(t == 0);
    LstBestiaire->setVisible(t == 1);
    LstPointsTalents->setVisible(t == 2);
    LstTalents->setVisible(t == 2);
}

// ---- Team, looks, script ----

void FrmParam::ComboEquipePerso_Validate() {
    const std::string nom = Fichier_Affiche();
    const int equipe = ComboEquipePerso->currentIndex();
    if (nom.empty() || equipe < 0) return;
    Perso_Affiche().Equipe = equipe;
    if (!Principale_.Programme().Jeu_Monde->SavPerso.Sauvegarder_Equipe(nom, equipe))
        Principale_.Programme().Dialogues().Message("L'équipe de " + nom + " n'a pas pu être enregistrée.", "Erreur",
                                                    Dialogues::Icone::Critique);
}

void FrmParam::CheckApparence_Click() {
    const bool coche = CheckApparence->isChecked();
    ImgApparence->setVisible(coche && TabStripFichiers->currentIndex() == 0);
    if (Fichier_Affiche().empty()) return;
    ClsJeuPerso& perso = Perso_Affiche();
    if (perso.Apparence == coche) return;
    perso.Apparence = coche;
    Sauvegarder_Affiche();
}

void FrmParam::FileApparence_Click() {
    const QListWidgetItem* item = FileApparence->currentItem();
    if (item && item->isSelected()) {
        planche_ = QPixmap(Q((fs::path(DossierFileApparence) / item->text().toStdString()).string()));
        // Black is the sheets' transparent colour.
        if (!planche_.isNull()) planche_.setMask(planche_.createMaskFromColor(Qt::black));
        Apercu_Apparence();
        if (!Fichier_Affiche().empty() && Perso_Affiche().FichierApparence != item->text().toStdString()) {
            Perso_Affiche().FichierApparence = item->text().toStdString();
            Sauvegarder_Affiche();
        }
    } else {
        planche_ = QPixmap();
        ImgApparence->clear();
    }
}

void FrmParam::FileIA_Click() {
    const QListWidgetItem* item = FileIA->currentItem();
    if (!item || !item->isSelected() || Fichier_Affiche().empty()) return;
    if (Perso_Affiche().FichierIA == item->text().toStdString()) return;
    Perso_Affiche().FichierIA = item->text().toStdString();
    Sauvegarder_Affiche();
}

// A sheet holds 3 walking frames by 4 headings: the preview walks down,
// on the frame of the tick's step.
void FrmParam::Apercu_Apparence() {
    if (planche_.isNull()) return;
    const int l = planche_.width() / 3, h = planche_.height() / 4;
    if (l < 1 || h < 1) return;
    static constexpr int colonnes[4] = {0, 1, 2, 1};
    const int colonne = colonnes[std::clamp<int>(EtapeApparence, 0, 3)];
    ImgApparence->setPixmap(planche_.copy(colonne * l, 2 * h, l, h).scaled(ImgApparence->size(), Qt::KeepAspectRatio));
}

// ---- Starting items bought with the fortune ----

void FrmParam::Afficher_Talents() {
    const QSignalBlocker b(LstTalents);
    LstTalents->clear();
    if (Fichier_Affiche().empty()) return;
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    const ClsJeuParam& P = M.Parametres;
    const ClsJeuPerso& perso = Perso_Affiche();
    std::vector<bool> choix;
    M.SavPerso.Lire_Talents(perso, choix);
    for (int i = 0; i < P.Race_NombreObjets(perso.Race); ++i) {
        const std::int16_t objet = P.Race_Objet(perso.Race, i);
        const std::int32_t prix = P.Objet_PrixTalents(objet);
        LstTalents->addItem(Q(P.Objet_Nom(objet) + (prix >= 1 ? " (" + std::to_string(prix) + ")" : "")));
        LstTalents->item(i)->setSelected(static_cast<std::size_t>(i) < choix.size() && choix[static_cast<std::size_t>(i)]);
    }
}

void FrmParam::Actualiser_Talents() {
    Afficher_Talents();
    Actualiser_Fortune();
}

void FrmParam::Actualiser_Fortune() {
    const ClsJeuParam& P = Principale_.Programme().Jeu_Monde->Parametres;
    const ClsJeuPerso& perso = Perso_Affiche();
    const std::int32_t total = perso.Defnir_Score_Tresor();
    std::int32_t reste = total;
    bool refuse = false;
    {
        const QSignalBlocker b(LstTalents);
        for (int i = 0; i < LstTalents->count() && i < P.Race_NombreObjets(perso.Race); ++i) {
            if (!LstTalents->item(i)->isSelected()) continue;
            const std::int16_t objet = P.Race_Objet(perso.Race, i);
            const std::int32_t prix = P.Objet_PrixTalents(objet);
            if (reste < prix) {
                LstTalents->item(i)->setSelected(false);
                if (!refuse)
                    Principale_.Programme().Dialogues().Message(
                        "Vous ne disposez pas d'assez de fortune pour : " + P.Objet_Nom(objet), perso.Nom,
                        Dialogues::Icone::Attention);
                refuse = true;
            } else {
                reste -= prix;
            }
        }
    }
    LstPointsTalents->clear();
    LstPointsTalents->addItem(Q("Fortune totale : " + std::to_string(total)));
    LstPointsTalents->addItem(Q("Points restants : " + std::to_string(reste)));
    // What was taken back is a change of the choices, saved as the
    // player's own.
    if (refuse && !talentsEnCours_) LstTalents_Click();
}

void FrmParam::LstTalents_Click() {
    if (talentsEnCours_ || Fichier_Affiche().empty()) return;
    talentsEnCours_ = true;
    ModMain& M = *Principale_.Programme().Jeu_Monde;
    ClsJeuPerso& perso = Perso_Affiche();
    auto sauver = [&] {
        const int n = M.Parametres.Race_NombreObjets(perso.Race);
        if (n <= 0) return;
        std::vector<bool> choix(static_cast<std::size_t>(n) + 1, false);
        for (int i = 0; i < n && i < LstTalents->count(); ++i) choix[static_cast<std::size_t>(i)] = LstTalents->item(i)->isSelected();
        if (!M.SavPerso.Sauvegarder_Talents(perso, choix, M.Commentaires))
            Principale_.Programme().Dialogues().Message("Les trésors de " + perso.Nom + " n'ont pas pu être enregistrés.",
                                                        "Erreur", Dialogues::Icone::Critique);
    };
    sauver();
    const auto avant = LstTalents->selectedItems().size();
    Actualiser_Fortune();
    if (LstTalents->selectedItems().size() != avant) sauver();
    perso.Objet_Equipes_Vider_Tout();
    perso.Objet_Inventaire_Vider_Tout();
    talentsEnCours_ = false;
}

// ---- The tick ----

void FrmParam::TimerApparence_Timer() {
    // The preview's walk: frames 0, 1, 2, 1 of the sheet in turn.
    EtapeApparence = static_cast<std::int16_t>((EtapeApparence + 1) % 4);
    Apercu_Apparence();
    if (ClsPerMusique* musique = Principale_.Programme().Musique.get()) musique->Jouer_Musique(0, true, horloge_.Maintenant());
    if (EtapeApparence == 0) {
        // Once a second the hints blink: shown, then hidden, while they say
        // something.
        // (Their own state: a label on a hidden page blinks all the same.)
        LblErreurNom->setHidden(!LblErreurNom->isHidden());
        LblSelectionner2Personnages->setHidden(!LblSelectionner2Personnages->isHidden());
        const bool vert = CmdCreerPerso->property("vert").toBool();
        const bool allume = CmdCreerPerso->isEnabled() && !vert;
        CmdCreerPerso->setProperty("vert", allume);
        CmdCreerPerso->setStyleSheet(allume ? "background-color: #00ff00" : "");
    }
    if (Sondage_Reseau) Sondage_Reseau();
}

// ---- Two players ----

void FrmParam::CheckJouera2_Click() {
    Demarrage& prog = Principale_.Programme();
    if (CheckJouera2->isChecked()) {
        if (prog.Ecran && !ClsInterface::ModeDuoPossible(prog.Dossier, *prog.Ecran)) {
            prog.Dialogues().Message("Le mode duo est impossible avec\nla résolution d'affichage actuelle.", "Attention",
                                     Dialogues::Icone::Attention);
            // A box left ticked would promise a game the screen cannot
            // show.
            const QSignalBlocker b(CheckJouera2);
            CheckJouera2->setChecked(false);
        } else {
            ComboNomJoueur_Click(0);
        }
    }
    if (prog.Jeu) prog.Jeu->Definir_Mode2Joueurs(CheckJouera2->isChecked());
}

void FrmParam::CheckMaintenirEcransSepares_Click() {
    if (Principale_.Programme().Jeu) Principale_.Programme().Jeu->Definir_Mode2JoueursEcranSepares(CheckMaintenirEcransSepares->isChecked());
}

void FrmParam::ComboNomJoueur_Click(int) { Verifier_Duo(); }

void FrmParam::Verifier_Duo() {
    if (CheckJouera2->isChecked() && ComboNomJoueur[0]->currentText() == ComboNomJoueur[1]->currentText()) {
        LblSelectionner2Personnages->setText(QString::fromUtf8("Sélectionnez 2 personnages différents."));
        CheckJouera2->setEnabled(false);
    } else {
        LblSelectionner2Personnages->clear();
        CheckJouera2->setEnabled(true);
    }
}
